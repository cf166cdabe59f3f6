// The few pieces of the C++ runtime the shipped exe uses, without the parts
// that only exception handling needs. Built with -fno-exceptions, the program
// can only end when memory runs out or a container is misused, which is what
// the library's own versions do too, after dragging in the unwinder, the
// demangler and a printf with floating point.
#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>

void* operator new(std::size_t size)
{
    if (void* p = std::malloc(size ? size : 1))
        return p;
    std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

// The library's own copies of the string code were built to catch and
// rethrow; these, built like the rest of the program, take their place.
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;

// The static destructors queue here. The start-up code that would define it
// is not linked (framework/WinMain.cpp); the runtime DLL keeps the list and
// runs it from exit.
extern "C" int atexit(void (*func)()) { return _onexit(reinterpret_cast<_onexit_t>(func)) ? 0 : -1; }

// What the string and vector code calls where it would throw.
namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
}  // namespace std
