// Reads the shipped i686 exe as Windows 98 / NT 4.0 would see it: every
// import on the allowlist, the header of an old GUI program, no newer CRT or
// API-set DLL, its size, and no instruction an i486 lacks. (Its manifest,
// from the same resource script, is read by the resource test.)
// Arguments: the exe, the allowlist, objdump. A missing exe is a failure.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> g_pe;
int g_failures = 0;

void Fail(const std::string& what)
{
    std::printf("FAIL: %s\n", what.c_str());
    ++g_failures;
}

uint32_t Read(uint32_t at, int bytes)  // little-endian; 0 past the end
{
    uint32_t v = 0;
    if (at + static_cast<uint64_t>(bytes) > g_pe.size())
        return 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | g_pe[at + i];
    return v;
}

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

struct Image {
    uint32_t opt = 0, sections = 0, nsections = 0;
    uint32_t Offset(uint32_t rva) const  // file offset of an address, 0 when in no section
    {
        for (uint32_t s = sections; s < sections + 40 * nsections; s += 40) {
            const uint32_t va = Read(s + 12, 4), size = std::max(Read(s + 8, 4), Read(s + 16, 4));
            if (rva >= va && rva < va + size)
                return rva - va + Read(s + 20, 4);
        }
        return 0;
    }
    std::string Text(uint32_t rva) const
    {
        std::string s;
        for (uint32_t at = Offset(rva); at && at < g_pe.size() && g_pe[at]; ++at)
            s += static_cast<char>(g_pe[at]);
        return s;
    }
    uint32_t Directory(int i, int field) const { return Read(opt + 96 + 8 * i + 4 * field, 4); }
};

// Instructions an i486 lacks, as objdump spells them: the P6's conditional
// moves, FPU compares and long NOPs, the Pentium's cpuid, rdtsc and
// cmpxchg8b, and anything on MMX or SSE registers.
bool NewerThanI486(const std::string& insn)
{
    static const char* const mnemonics[] = {"cmov",  "fcmov", "fcomi",     "fucomi",   "nopw",   "nopl",    "cpuid",
                                            "rdtsc", "rdpmc", "cmpxchg8b", "sysenter", "fxsave", "fxrstor", "emms"};
    if (insn.find("%mm") != std::string::npos || insn.find("%xmm") != std::string::npos)
        return true;
    std::istringstream words(insn);
    for (std::string word; words >> word;)
        for (const char* m : mnemonics)
            if (word.rfind(m, 0) == 0)
                return true;
    return false;
}

// Disassembles the code and fails on each such instruction, naming the
// function holding it when the exe still has its symbols (a section name
// is all a stripped one shows).
void CheckInstructions(const std::string& objdump, const std::string& exe)
{
    FILE* out = popen((objdump + " -d '" + exe + "'").c_str(), "r");
    std::string function = "unknown";
    int instructions = 0;
    for (char line[512]; out && std::fgets(line, sizeof line, out);) {
        std::string text = line, address, bytes, insn;
        text.erase(text.find_last_not_of("\r\n") + 1);
        const size_t label = text.find(" <");  // "00401000 <name>:"
        if (label != std::string::npos && text.size() > label + 4 && text.compare(text.size() - 2, 2, ">:") == 0)
            function = text[label + 2] == '.' ? "unknown" : text.substr(label + 2, text.size() - label - 4);
        std::istringstream fields(text);  // "  401291:\t0f 44 cb\tcmove  %ebx,%ecx"
        if (!std::getline(fields, address, '\t') || !std::getline(fields, bytes, '\t') || !std::getline(fields, insn))
            continue;
        ++instructions;
        if (NewerThanI486(insn))
            Fail(insn.substr(0, insn.find_last_not_of(' ') + 1) + " at 0x" +
                 address.substr(address.find_first_not_of(' '), address.find(':') - address.find_first_not_of(' ')) +
                 " in " + function + ": newer than the i486");
    }
    if (!out || pclose(out) != 0 || instructions == 0)
        Fail("cannot disassemble the exe with " + objdump);
}

}  // namespace

int main(int argc, char** argv)
{
    std::ifstream file(argc > 2 ? argv[1] : "", std::ios::binary);
    g_pe.assign(std::istreambuf_iterator<char>(file), {});
    std::set<std::string> allowed;
    std::ifstream list(argc > 2 ? argv[2] : "");
    for (std::string line, dll, ninex, nt, name; std::getline(list, line);) {
        std::istringstream words(line);  // "DLL 9x NT: Function ..."
        if (words >> dll >> ninex >> nt && dll[0] != '#')
            while (words >> name)
                allowed.insert(Upper(dll + "!" + name));
    }
    if (g_pe.empty() || allowed.empty()) {
        std::printf("FAIL: cannot read the exe or the allowlist (build the mingw32 target Zentik first)\n");
        return 1;
    }
    const uint32_t nt = Read(0x3c, 4);
    Image pe{nt + 24, nt + 24 + Read(nt + 20, 2), Read(nt + 6, 2)};
    if (Read(nt, 4) != 0x4550 || Read(nt + 4, 2) != 0x14c || Read(pe.opt, 2) != 0x10b)
        Fail("not a PE32 image for i386");
    if (Read(pe.opt + 40, 4) != 4 || Read(pe.opt + 48, 4) != 4 || Read(pe.opt + 68, 2) != 2)
        Fail("OS and subsystem versions must be 4.0, subsystem GUI");
    if (g_pe.size() > 150 * 1024)
        Fail("size " + std::to_string(g_pe.size()) + " bytes, over 150 KiB");

    for (uint32_t d = pe.Offset(pe.Directory(1, 0)); d && Read(d + 12, 4); d += 20) {
        std::string dll = Upper(pe.Text(Read(d + 12, 4)));
        if (dll.rfind("API-MS-WIN-", 0) == 0 || dll.rfind("UCRTBASE", 0) == 0 || dll.rfind("VCRUNTIME", 0) == 0)
            Fail("imports the newer runtime " + dll);
        dll = dll.substr(0, dll.rfind(".DLL"));
        const uint32_t thunks = Read(d, 4) ? Read(d, 4) : Read(d + 16, 4);
        for (uint32_t t = pe.Offset(thunks); t && Read(t, 4); t += 4) {
            const uint32_t thunk = Read(t, 4);
            const std::string name = thunk & 0x80000000u ? "#" + std::to_string(thunk & 0xffff) : pe.Text(thunk + 2);
            if (!allowed.count(dll + "!" + Upper(name)))
                Fail("imports " + dll + "!" + name + ", which is not on the allowlist");
        }
    }
    CheckInstructions(argc > 3 ? argv[3] : "objdump", argv[1]);
    std::printf("%s: %zu bytes, %d failure(s)\n", argv[1], g_pe.size(), g_failures);
    return g_failures ? 1 : 0;
}
