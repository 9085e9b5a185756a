#include "tests/support/MessageBoxRecorder.h"

#include "platform/MessageBox.h"

namespace zeltest {

MessageBoxRecorder::MessageBoxRecorder(int answer) : m_answer(answer)
{
    zel::SetMessageBoxHook([this](LPCTSTR text, LPCTSTR caption, UINT type) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_boxes.push_back(Box{text, caption, type});
        return m_answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    zel::SetMessageBoxHook(nullptr);
}

void MessageBoxRecorder::SetAnswer(int answer)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_answer = answer;
}

std::vector<MessageBoxRecorder::Box> MessageBoxRecorder::Boxes() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_boxes;
}

std::vector<std::wstring> MessageBoxRecorder::Texts() const
{
    std::vector<std::wstring> texts;
    for (const Box& box : Boxes()) texts.push_back(box.text);
    return texts;
}

std::vector<std::wstring> MessageBoxRecorder::Captions() const
{
    std::vector<std::wstring> captions;
    for (const Box& box : Boxes()) captions.push_back(box.caption);
    return captions;
}

std::wstring MessageBoxRecorder::LastText() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_boxes.empty() ? std::wstring() : m_boxes.back().text;
}

void MessageBoxRecorder::Clear()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_boxes.clear();
}

}  // namespace zeltest
