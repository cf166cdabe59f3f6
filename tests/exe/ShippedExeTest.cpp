// Reads the shipped i686 exe as Windows 98 / NT 4.0 would see it, through
// objdump: every import on the allowlist, the header of an old GUI program,
// no newer CRT or API-set DLL, its size, and no instruction an i486 lacks.
// (Its manifest, from the same resource script, is read by the resource test.)
// Arguments: the exe, the allowlist, objdump. A missing exe is a failure.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

namespace {

int g_failures = 0;

void Fail(const std::string& what)
{
    std::printf("FAIL: %s\n", what.c_str());
    ++g_failures;
}

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// Each line objdump prints about the exe with `options`; false when it
// could not run or printed nothing.
bool EachLine(const std::string& objdump, const std::string& options, const std::string& exe,
              const std::function<void(const std::string&)>& take)
{
    FILE* out = popen((objdump + " " + options + " '" + exe + "'").c_str(), "r");
    int lines = 0;
    for (char line[512]; out && std::fgets(line, sizeof line, out); ++lines) {
        std::string text = line;
        take(text.erase(text.find_last_not_of("\r\n") + 1));
    }
    return out && pclose(out) == 0 && lines > 0;
}

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

}  // namespace

int main(int argc, char** argv)
{
    const std::string exe = argc > 3 ? argv[1] : "", objdump = argc > 3 ? argv[3] : "";
    std::ifstream file(exe, std::ios::binary | std::ios::ate);
    std::set<std::string> allowed;
    std::ifstream list(argc > 3 ? argv[2] : "");
    for (std::string line, dll, ninex, nt, name; std::getline(list, line);) {
        std::istringstream words(line);  // "DLL 9x NT: Function ..."
        if (words >> dll >> ninex >> nt && dll[0] != '#')
            while (words >> name)
                allowed.insert(Upper(dll + "!" + name));
    }
    if (!file || allowed.empty()) {
        std::printf("FAIL: cannot read the exe or the allowlist (build the mingw32 target Zentik first)\n");
        return 1;
    }
    if (file.tellg() > 150 * 1024)
        Fail("size " + std::to_string(file.tellg()) + " bytes, over 150 KiB");

    // The header's fields, and each import under its "DLL Name:" up to a blank line.
    std::string header, dll;
    const bool read = EachLine(objdump, "-p", exe, [&](const std::string& line) {
        std::istringstream words(line);
        std::string key, value, name;
        words >> key >> value;
        if (line.find("file format ") != std::string::npos)
            header += line.substr(line.rfind(' ') + 1);
        else if (key.find("ystem") != std::string::npos || key == "Magic")
            header += " " + key + " " + value;
        if (key == "DLL" && words >> dll) {
            dll = Upper(dll);
            if (dll.rfind("API-MS-WIN-", 0) == 0 || dll.rfind("UCRTBASE", 0) == 0 || dll.rfind("VCRUNTIME", 0) == 0)
                Fail("imports the newer runtime " + dll);
            dll = dll.substr(0, dll.rfind(".DLL"));
        } else if (line.empty()) {
            dll.clear();
        } else if (!dll.empty() && line[0] == '\t' && std::isxdigit(static_cast<unsigned char>(key[0])) && words >> name &&
                   !allowed.count(dll + "!" + Upper(name))) {
            Fail("imports " + dll + "!" + name + ", which is not on the allowlist");
        }
    });
    const char kOld[] = "pei-i386 Magic 010b MajorOSystemVersion 4 MinorOSystemVersion 0 MajorSubsystemVersion 4 "
                        "MinorSubsystemVersion 0 Subsystem 00000002";
    if (header != kOld)
        Fail("header \"" + header + "\": not a PE32 i386 GUI program for OS and subsystem 4.0");

    // Each instruction newer than the i486, with the function holding it
    // when the exe still has its symbols (a stripped one shows none).
    std::string function = "unknown";
    int instructions = 0;
    const bool disassembled = EachLine(objdump, "-d", exe, [&](const std::string& text) {
        const size_t label = text.find(" <");  // "00401000 <name>:"
        if (label != std::string::npos && text.size() > label + 4 && text.compare(text.size() - 2, 2, ">:") == 0)
            function = text[label + 2] == '.' ? "unknown" : text.substr(label + 2, text.size() - label - 4);
        std::istringstream fields(text);  // "  401291:\t0f 44 cb\tcmove  %ebx,%ecx"
        std::string address, bytes, insn;
        if (!std::getline(fields, address, '\t') || !std::getline(fields, bytes, '\t') || !std::getline(fields, insn))
            return;
        ++instructions;
        if (NewerThanI486(insn))
            Fail(insn.substr(0, insn.find_last_not_of(' ') + 1) + " at" + address.substr(0, address.find(':')) + " in " +
                 function + ": newer than the i486");
    });
    if (!read || !disassembled || instructions == 0)
        Fail("cannot read the exe with " + objdump);
    std::printf("%s: %lld bytes, %d failure(s)\n", exe.c_str(), static_cast<long long>(file.tellg()), g_failures);
    return g_failures ? 1 : 0;
}
