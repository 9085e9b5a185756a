#pragma once
// A first-in first-out queue of bytes, kept as a list of blocks so that large transfers move with
// block copies rather than byte by byte.
#include <cstddef>
#include <deque>
#include <string>

class CByteQueue {
public:
    CByteQueue() : m_nSize(0), m_nHeadOffset(0) {}

    void Append(const char* data, size_t size);
    // Copies up to 'size' bytes from the head without removing them; returns the count.
    size_t Peek(char* out, size_t size) const;
    // Removes up to 'size' bytes from the head.
    void Drop(size_t size);
    size_t Take(char* out, size_t size);
    size_t Size() const { return m_nSize; }
    bool Empty() const { return m_nSize == 0; }
    void Clear();

private:
    std::deque<std::string> m_aBlocks;
    size_t m_nSize;
    size_t m_nHeadOffset;  // bytes of the first block already taken
};
