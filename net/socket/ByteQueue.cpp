#include "net/socket/ByteQueue.h"

#include <cstring>

namespace {

// Small appends are gathered into the last block up to this size.
const size_t kBlockSize = 16384;

}  // namespace

void CByteQueue::Append(const char* data, size_t size)
{
    if (!data || size == 0) return;
    if (!m_aBlocks.empty() && m_aBlocks.back().size() + size <= kBlockSize)
        m_aBlocks.back().append(data, size);
    else
        m_aBlocks.emplace_back(data, size);
    m_nSize += size;
}

size_t CByteQueue::Peek(char* out, size_t size) const
{
    size_t copied = 0;
    size_t offset = m_nHeadOffset;
    for (const std::string& block : m_aBlocks) {
        if (copied >= size) break;
        size_t n = block.size() - offset;
        if (n > size - copied) n = size - copied;
        std::memcpy(out + copied, block.data() + offset, n);
        copied += n;
        offset = 0;
    }
    return copied;
}

void CByteQueue::Drop(size_t size)
{
    while (size > 0 && !m_aBlocks.empty()) {
        size_t available = m_aBlocks.front().size() - m_nHeadOffset;
        if (size < available) {
            m_nHeadOffset += size;
            m_nSize -= size;
            return;
        }
        size -= available;
        m_nSize -= available;
        m_aBlocks.pop_front();
        m_nHeadOffset = 0;
    }
}

size_t CByteQueue::Take(char* out, size_t size)
{
    size_t copied = Peek(out, size);
    Drop(copied);
    return copied;
}

void CByteQueue::Clear()
{
    m_aBlocks.clear();
    m_nSize = 0;
    m_nHeadOffset = 0;
}
