#pragma once
// Memory for one parse of an HTML page, handed out from large blocks and released all at once:
// the parser's own frees are no-ops, which also spares its recursive tear-down of a deeply
// nested tree. Past the memory budget or the processor time allowed the parse is abandoned by a
// jump back into `parse`; the parser keeps no state outside the memory it got from here.

#include <gumbo.h>

#include <chrono>
#include <csetjmp>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace menuloom::importer {

class ParseArena {
public:
    enum class Stop { None, Memory, Time };

    ParseArena(std::size_t budget, std::chrono::nanoseconds time);

    // The page's tree, or nothing when the parse was abandoned (see stop()). The tree lives as
    // long as the arena.
    GumboOutput* parse(const std::string& text);
    Stop stop() const { return stop_; }

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 20;
    static constexpr std::size_t kAlign = 16;

    static void* allocateFn(void* self, std::size_t size);
    static void freeFn(void*, void*) {}
    void* allocate(std::size_t size);
    char* newBlock(std::size_t size);
    [[noreturn]] void abandon(Stop why);

    std::size_t budget_;
    std::chrono::nanoseconds deadline_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* next_ = nullptr;
    std::size_t left_ = 0;
    std::size_t used_ = 0;
    unsigned calls_ = 0;
    Stop stop_ = Stop::None;
    std::jmp_buf jump_;
};

} // namespace menuloom::importer
