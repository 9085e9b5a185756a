#pragma once
// Stands in for the user at every message box of the programs (through zel::SetMessageBoxHook)
// while it lives: answers each box and keeps what it would have shown.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace zeltest {

class MessageBoxRecorder {
public:
    struct Box {
        std::wstring text;
        std::wstring caption;
        UINT type;
    };

    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The button the following boxes get.
    void SetAnswer(int answer);
    std::vector<Box> Boxes() const;
    std::vector<std::wstring> Texts() const;
    std::vector<std::wstring> Captions() const;
    // Empty before the first box.
    std::wstring LastText() const;
    void Clear();

private:
    mutable std::mutex m_lock;
    int m_answer;
    std::vector<Box> m_boxes;
};

}  // namespace zeltest
