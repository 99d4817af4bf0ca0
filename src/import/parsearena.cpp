#include "import/parsearena.h"

#include <algorithm>
#include <ctime>

namespace menuloom::importer {

namespace {

// The processor time this thread has used: what a parse costs, however busy the machine is.
std::chrono::nanoseconds threadTime() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

} // namespace

ParseArena::ParseArena(std::size_t budget, std::chrono::nanoseconds time)
    : budget_(budget), deadline_(threadTime() + time) {}

GumboOutput* ParseArena::parse(const std::string& text) {
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = &ParseArena::allocateFn;
    options.deallocator = &ParseArena::freeFn;
    options.userdata = this;
    options.max_errors = 0; // each recorded error copies the stack of open elements
    if (setjmp(jump_) != 0)
        return nullptr;
    return gumbo_parse_with_options(&options, text.data(), text.size());
}

void* ParseArena::allocateFn(void* self, std::size_t size) {
    return static_cast<ParseArena*>(self)->allocate(size);
}

void* ParseArena::allocate(std::size_t size) {
    size = (std::max<std::size_t>(size, 1) + kAlign - 1) & ~(kAlign - 1);
    if ((++calls_ & 0xFF) == 0 && threadTime() > deadline_)
        abandon(Stop::Time);
    if (size > kBlock / 4)
        return newBlock(size);
    if (size > left_) {
        next_ = newBlock(kBlock);
        left_ = kBlock;
    }
    void* p = next_;
    next_ += size;
    left_ -= size;
    return p;
}

char* ParseArena::newBlock(std::size_t size) {
    used_ += size;
    if (used_ > budget_)
        abandon(Stop::Memory);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    return blocks_.back().get();
}

void ParseArena::abandon(Stop why) {
    stop_ = why;
    std::longjmp(jump_, 1);
}

} // namespace menuloom::importer
