#pragma once
// Asks the system to back a freshly reserved buffer with memory in one go, before it is
// written: a buffer of many megabytes otherwise takes a page fault per 4 KB page on its
// first write, and on a virtual machine each fault costs microseconds. Where the system
// cannot, nothing happens and the pages come on first write as usual.
#include <cstddef>
#include <vector>

void PrefaultForWriting(void* begin, std::size_t bytes);

// The whole capacity of the vector.
template <class T>
void PrefaultCapacity(std::vector<T>& values)
{
    PrefaultForWriting(values.data(), values.capacity() * sizeof(T));
}
