"""Mutation sampler: lists every place in the product code where a fixed
operator applies, draws some of them with a seeded generator, and runs the
test programs that build each mutated file. Called by scripts/mutate.sh,
which makes the scratch worktree and the Wine session.

  mutate-sample.py list SCRATCH               every site, one a line
  mutate-sample.py run SCRATCH N SEED [OUT]   N sites drawn with SEED
  mutate-sample.py run SCRATCH 0 0 OUT REPORT the survivors of an earlier REPORT again
  mutate-sample.py run SCRATCH 0 0 OUT --recheck  each listed equivalent as a mutant

The scratch tree must have been built once (all of host and mingw64, the
Zentik target of mingw32): which programs a file feeds is read from the
compilers' dependency files, so headers count as well."""
import glob, json, os, random, re, signal, subprocess, sys, time

PRODUCT_DIRS = ('app', 'core', 'format', 'settings', 'chime', 'options', 'framework')
TIMEOUT = 120  # seconds per test; a test that hangs fails

# ---- finding the sites ---------------------------------------------------


def mask(text):
    """The text with comments, string and char literals and preprocessor
    lines blanked (columns kept), so operators are only found in code."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in ' \t':
            i += 1
            continue
        if line_start and c == '#':
            # A directive, with its continuation lines.
            while i < n and not (text[i] == '\n' and text[i - 1] != '\\'):
                out[i] = ' '
                i += 1
            continue
        line_start = False
        if c == '\n':
            line_start = True
            i += 1
        elif text.startswith('//', i):
            while i < n and text[i] != '\n':
                out[i] = ' '
                i += 1
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                if out[k] != '\n':
                    out[k] = ' '
            i = j
        elif c in '"\'':
            # A digit separator (1'000) is not a char literal.
            if c == "'" and i > 0 and text[i - 1].isalnum() and i + 1 < n and text[i + 1].isalnum():
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            for k in range(i + 1, min(j, n)):
                out[k] = '_'
            i = j + 1
        else:
            i += 1
    return ''.join(out)


def matching_paren(s, i):
    depth = 0
    for j in range(i, len(s)):
        if s[j] == '(':
            depth += 1
        elif s[j] == ')':
            depth -= 1
            if depth == 0:
                return j
    return -1


RELATIONAL_FLIP = {'==': '!=', '!=': '==', '<': '>=', '>=': '<', '>': '<=', '<=': '>'}
BOUNDARY = {'<': '<=', '<=': '<', '>': '>=', '>=': '>'}
ARITH = {'+': '-', '-': '+', '*': '/', '/': '*', '+=': '-=', '-=': '+=', '*=': '/=', '/=': '*='}
SPECIFIERS = {'inline', 'static', 'constexpr', 'virtual', 'explicit', 'friend', 'extern', 'CALLBACK',
              'WINAPI', 'APIENTRY', '__stdcall', '[[nodiscard]]', 'const'}
INT_TYPES = {'int', 'long', 'short', 'unsigned', 'char', 'size_t', 'LONG', 'DWORD', 'UINT', 'WORD', 'BYTE',
             'INT', 'LRESULT', 'INT_PTR', 'UINT_PTR', 'LONG_PTR', 'LPARAM', 'WPARAM', 'COLORREF', 'ULONG',
             'SHORT', 'USHORT', 'ptrdiff_t', 'int32_t', 'uint32_t', 'uint16_t', 'uint8_t', 'LONGLONG'}


def function_blocks(code):
    """(start, end, header) of each block that is a function or lambda body."""
    blocks, stack, last = [], [], 0
    for i, c in enumerate(code):
        if c in ';{}':
            if c == '{':
                header = ' '.join(code[last:i].split())
                is_fn = (re.search(r'\)\s*(const|noexcept|override|mutable|\s)*(->\s*[\w:<>*& ]+)?$', header)
                         and not re.match(r'(else\s+)?(if|for|while|switch|catch|do)\b', header)
                         and not header.endswith('= )'))
                stack.append((i, header if is_fn else None))
            elif c == '}' and stack:
                start, header = stack.pop()
                if header is not None:
                    blocks.append((start, i, header))
            last = i + 1
    return blocks


def return_type(header):
    m = re.search(r'->\s*([\w:<>*& ]+)$', header)
    if m:
        return m.group(1).strip()
    if header.startswith('['):
        return None  # a lambda with its type deduced
    head = header[:header.find('(')] if '(' in header else ''
    head = re.sub(r'\btemplate\s*<[^>]*>', ' ', head)
    words = head.replace('*', ' * ').replace('&', ' & ').split()
    if len(words) < 2:
        return None  # a constructor, or not a function
    words = [w for w in words[:-1] if w not in SPECIFIERS and not w.startswith('"')]
    return ' '.join(words) or None


def constant_for(rtype, expr):
    """The constant a return of expr becomes, or None where none fits."""
    if rtype is None or rtype == 'void':
        return None
    if rtype == 'bool':
        return 'true' if expr == 'false' else 'false'
    if rtype == 'BOOL':
        return 'TRUE' if expr in ('FALSE', '0') else 'FALSE'
    if rtype.endswith('*') or re.fullmatch(r'(H[A-Z]+|LP[A-Z]+|P[A-Z]+|FARPROC)', rtype):
        return None if expr in ('nullptr', 'NULL', '0') else 'nullptr'
    if all(w in INT_TYPES for w in rtype.split()):
        return '1' if expr == '0' else '0'
    return None


def sites_in(path, text):
    code = mask(text)
    lines, clines = text.split('\n'), code.split('\n')
    offsets, pos = [], 0
    for l in lines:
        offsets.append(pos)
        pos += len(l) + 1
    fns = function_blocks(code)
    out = []

    def add(ln, op, col, new):
        if new != lines[ln]:
            out.append({'path': path, 'line': ln + 1, 'op': op, 'col': col + 1,
                        'orig': lines[ln], 'mut': new})

    for ln, (line, cl) in enumerate(zip(lines, clines)):
        if not cl.strip():
            continue
        # Relational and equality operators, written with a space each side
        # (templates, shifts, arrows and includes never are).
        for m in re.finditer(r'(?<= )(==|!=|<=|>=|<|>)(?= )', cl):
            o, a, b = m.group(1), m.start(), m.end()
            add(ln, 'flip ' + o, a, line[:a] + RELATIONAL_FLIP[o] + line[b:])
            if o in BOUNDARY:
                add(ln, 'bound ' + o, a, line[:a] + BOUNDARY[o] + line[b:])
        for m in re.finditer(r'(?<= )(&&|\|\|)(?= )', cl):
            a, b = m.start(), m.end()
            add(ln, 'swap ' + m.group(1), a, line[:a] + ('||' if m.group(1) == '&&' else '&&') + line[b:])
        # Binary arithmetic: a space each side, after an operand.
        for m in re.finditer(r'(?<=[\w)\]] )(\+|-|\*|/|\+=|-=|\*=|/=)(?= )', cl):
            o, a, b = m.group(1), m.start(), m.end()
            if o == '*' and re.search(r'\b(const|char|void|int|BYTE|WORD|DWORD|LONG)\s*$', cl[:a]):
                continue  # a pointer declarator
            add(ln, 'arith ' + o, a, line[:a] + ARITH[o] + line[b:])
        for m in re.finditer(r'(?<![\w.\'])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.\'])', cl):
            digits, a, b = m.group(1), m.start(1), m.end(1)
            hexa = digits[:2].lower() == '0x'
            v = int(digits, 16 if hexa else 10)
            for d, name in ((1, 'const+1'), (-1, 'const-1')):
                if v + d < 0:
                    continue
                if hexa:
                    s = format(v + d, 'X' if digits[2:].upper() == digits[2:] else 'x')
                    new = digits[:2] + s.rjust(len(digits) - 2, '0')
                else:
                    new = str(v + d)
                add(ln, name, a, line[:a] + new + line[b:])
        for m in re.finditer(r'\b(if|while) \(', cl):
            o = m.end() - 1
            e = matching_paren(cl, o)
            if e < 0 or cl[o + 1:].startswith('constexpr'):
                continue
            add(ln, 'negate ' + m.group(1), o, line[:o + 1] + '!(' + line[o + 1:e] + ')' + line[e:])
        # A statement that is a call alone: obj.f(...); or f(...); and not
        # the tail of a statement begun on an earlier line.
        s = cl.strip()
        m = re.fullmatch(r'([\w:]+(\s*(\.|->)\s*[\w]+)*)\s*(\(.*\))\s*;', s)
        if m and m.group(1) not in ('return', 'delete', 'throw', 'sizeof', 'static_assert') \
                and matching_paren(s, s.find('(')) == len(s.rstrip(';').rstrip()) - 1:
            prev = next((clines[k].strip() for k in range(ln - 1, -1, -1) if clines[k].strip()), '')
            # The body of an unbraced if or loop stays a statement.
            body_of_control = prev.endswith(')') or re.search(r'\b(else|do)$', prev)
            in_body = any(f[0] < offsets[ln] < f[1] for f in fns)  # not a member declaration
            if in_body and (body_of_control or prev == '' or prev[-1] in ';{}:'):
                indent = line[:len(line) - len(line.lstrip())]
                add(ln, 'drop call', len(indent), indent + '{}' if body_of_control else '')
        for m in re.finditer(r'\breturn ([^;{}]+);', cl):
            start = offsets[ln] + m.start(1)
            owners = [f for f in fns if f[0] < start < f[1]]
            if owners:
                header = max(owners, key=lambda f: f[0])[2]
                expr = line[m.start(1):m.end(1)].strip()
                const = constant_for(return_type(header), expr)
                if const and expr != const:
                    add(ln, 'return ' + const, m.start(1), line[:m.start(1)] + const + line[m.end(1):])
    return out


def all_sites(root):
    files = subprocess.run(['git', '-C', root, 'ls-files', '--', *PRODUCT_DIRS],
                           capture_output=True, text=True, check=True).stdout.split()
    out = []
    for f in sorted(files):
        if f.endswith(('.cpp', '.h')):
            with open(os.path.join(root, f), encoding='latin-1') as fh:
                out += sites_in(f, fh.read())
    return out


def key(site):
    return (site['path'], site['op'], site['orig'].strip(), site['mut'].strip())


def line_key(site):
    """A mutant at its line: an entry of the equivalents covers it alone."""
    return (f"{site['path']}:{site['line']}",) + key(site)[1:]


def site_id(site):
    return f"{site['path']}:{site['line']} {site['op']}"


def equivalents(repo):
    """Mutants known to change no behaviour: path:line, operator, original
    and mutated line (stripped), reason; tab-separated."""
    known = {}
    p = os.path.join(repo, 'scripts', 'mutants-equivalent.tsv')
    if os.path.exists(p):
        for line in open(p, encoding='latin-1'):
            if line.strip() and not line.startswith('#'):
                f = line.rstrip('\n').split('\t')
                known[tuple(x.strip() for x in f[:4])] = f[4] if len(f) > 4 else ''
    return known


def stale_equivalents(known, sites):
    """Entries that name no mutant of today's code: their line moved or changed."""
    here = {line_key(s) for s in sites}
    return [k for k in known if k not in here]

# ---- which programs a file feeds -----------------------------------------


def deps_of(target_dir, root):
    files = set()
    for d in glob.glob(os.path.join(target_dir, '**', '*.d'), recursive=True):
        for tok in open(d).read().replace('\\\n', ' ').split():
            if tok.endswith(':'):
                continue
            p = os.path.normpath(os.path.join(os.path.dirname(target_dir), tok)) if not os.path.isabs(tok) else tok
            if p.startswith(root + os.sep):
                files.add(os.path.relpath(p, root))
    return files


def program_files(build, root, program):
    """Product files compiled into program: its objects and the static
    libraries it links, from the dependency files of the build."""
    dirs = glob.glob(os.path.join(build, '**', f'{program}.dir'), recursive=True)
    if not dirs:
        return set()
    files = deps_of(dirs[0], root)
    link = ''.join(open(f).read() for f in glob.glob(os.path.join(dirs[0], '*.rsp')) + [os.path.join(dirs[0], 'link.txt')]
                   if os.path.exists(f))
    for lib in set(re.findall(r'lib(zentik_\w+)\.a', link)):
        files |= deps_of(glob.glob(os.path.join(build, '**', f'{lib}.dir'), recursive=True)[0], root)
    return files


def ctest_programs(build, env):
    """test program -> its ctest names."""
    out = subprocess.run(['ctest', '--test-dir', build, '--show-only=json-v1'], capture_output=True,
                         text=True, env=env, check=True).stdout
    progs = {}
    for t in json.loads(out)['tests']:
        # A test program's path, or a test script as the command itself.
        command = t.get('command', [])
        script = command[:1] and re.search(r'/tests/.*\.sh$', command[0])
        exe = command[0] if script else next((c for c in command if '/bin/' in c), None)
        if exe:
            progs.setdefault(os.path.basename(exe).removesuffix('.exe'), []).append(t['name'])
    return progs

# ---- running ---------------------------------------------------------------


# The host test that reads the shipped exe rather than building any file.
SHIPPED_EXE_CHECK = 'shipped-exe.sh'


class Runner:
    # Test programs in the order they run: the cheap ones first.
    WIN_ORDER = ['format_tests', 'chime_logic_tests', 'clock_logic_tests', 'window_tests', 'clock_tests']

    def __init__(self, root):
        self.root, self.env = root, dict(os.environ)
        b = lambda p: os.path.join(root, 'build', p)
        self.host, self.win, self.exe32 = b('host'), b('mingw64'), b('mingw32')
        self.host_tests = ctest_programs(self.host, self.env)
        self.win_tests = ctest_programs(self.win, self.env)
        exe_files = program_files(self.exe32, root, 'Zentik')
        self.feeds = {}  # (preset, program) -> files
        for p in self.host_tests:
            self.feeds[('host', p)] = exe_files if p == SHIPPED_EXE_CHECK else program_files(self.host, root, p)
        win_exe = program_files(self.win, root, 'Zentik')
        for p in self.win_tests:
            f = program_files(self.win, root, p)
            # The end-to-end tests start the exe built beside them.
            self.feeds[('mingw64', p)] = f | win_exe if p == 'clock_tests' else f
        self.order = [('host', p) for p in sorted(self.host_tests) if p != SHIPPED_EXE_CHECK]
        self.order += [('mingw64', p) for p in self.WIN_ORDER if p in self.win_tests]
        self.order += [('mingw64', p) for p in sorted(self.win_tests) if p not in self.WIN_ORDER]
        self.order += [('host', SHIPPED_EXE_CHECK)]

    def steps(self, path):
        """Build-and-test steps for a mutated file: host unit programs at
        once, then each Windows program (the shipped exe only for a file no
        other program covers)."""
        hit = [pp for pp in self.order if path in self.feeds.get(pp, ())]
        host = [p for pre, p in hit if pre == 'host' and p != SHIPPED_EXE_CHECK]
        steps = [('host', host, host)] if host else []
        steps += [('mingw64', [p], [p]) for pre, p in hit if pre == 'mingw64']
        # The shipped-exe check reads imports, headers and instruction kinds,
        # which no operator here changes: a file it alone covers still runs it.
        if ('host', SHIPPED_EXE_CHECK) in hit and not steps:
            steps.append(('mingw32', ['Zentik'], None))
        return steps

    def build(self, preset, targets, log):
        r = subprocess.run(['cmake', '--build', '--preset', preset, '--target', *targets],
                           cwd=self.root, stdout=log, stderr=subprocess.STDOUT, env=self.env)
        return r.returncode == 0

    def test(self, preset, programs, log):
        if preset == 'mingw32':
            build, names = self.host, self.host_tests[SHIPPED_EXE_CHECK]
        else:
            build = self.host if preset == 'host' else self.win
            names = [n for p in programs for n in (self.host_tests if preset == 'host' else self.win_tests)[p]]
        regex = '^(' + '|'.join(re.escape(n) for n in names) + ')$'
        try:
            r = subprocess.run(['ctest', '--test-dir', build, '-R', regex, '--no-tests=error', '--timeout',
                                str(TIMEOUT), '--stop-on-failure', '-j2', '--output-on-failure'],
                               cwd=self.root, stdout=log, stderr=subprocess.STDOUT, env=self.env,
                               timeout=TIMEOUT * (len(names) + 1))
        except subprocess.TimeoutExpired:
            return False
        return r.returncode == 0

    def verdict(self, path, log):
        """KILLED, SURVIVED or NO-BUILD, and the program that decided."""
        steps = self.steps(path)
        if not steps:
            return 'SURVIVED', 'no test program builds it'
        for preset, targets, programs in steps:
            if not self.build(preset, targets, log):
                return 'NO-BUILD', preset
            if not self.test(preset, programs, log):
                return 'KILLED', f"{preset}:{','.join(programs or [SHIPPED_EXE_CHECK])}"
        return 'SURVIVED', ''


def survivors_of(report):
    """The SURVIVED mutants of an earlier run's output, as keys."""
    keys, lines = [], open(report, encoding='latin-1').read().split('\n')
    for i, line in enumerate(lines[:-2]):
        m = re.match(r'SURVIVED \[\d+/\d+\] (\S+):\d+ (.+?)(?: by .*)? \(\d+ s\)$', line)
        if m and lines[i + 1].startswith('    - ') and lines[i + 2].startswith('    + '):
            keys.append((m.group(1), m.group(2), lines[i + 1][6:].strip(), lines[i + 2][6:].strip()))
    return keys


def run(root, n, seed, out_path, retry=None, recheck=False):
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    # Stopped from outside, the mutated file is still put back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    start = time.time()
    sites = all_sites(root)
    known = equivalents(repo)
    for k in stale_equivalents(known, sites):
        print(f"STALE EQUIVALENT {k[0]} {k[1]}\n    - {k[2]}\n    + {k[3]}", flush=True)
    if recheck:
        # Each entry of the equivalents, run as a mutant against today's tests.
        chosen, known = [s for s in sites if line_key(s) in known], {}
    elif retry:
        # An earlier run's survivors again, against today's tests; one whose
        # line is no longer in the code is gone.
        by_key = {key(s): s for s in sites}
        wanted = survivors_of(retry)
        for k in wanted:
            if k not in by_key:
                print(f"GONE {k[0]} {k[1]}\n    - {k[2]}\n    + {k[3]}", flush=True)
        chosen = [by_key[k] for k in wanted if k in by_key]
    else:
        chosen = random.Random(seed).sample(sites, min(n, len(sites)))
    chosen.sort(key=lambda s: (s['path'], s['line'], s['col'], s['op']))
    runner = Runner(root)
    what = 'equivalents rechecked' if recheck else f'survivors of {retry}' if retry else f'drawn with seed {seed}'
    print(f'{len(sites)} sites, {len(chosen)} {what}', flush=True)
    counts = {'KILLED': 0, 'SURVIVED': 0, 'NO-BUILD': 0, 'EQUIVALENT': 0}
    survivors = []
    log_path = os.path.join(root, 'build', 'mutant.log')
    for i, s in enumerate(chosen, 1):
        head = f"[{i}/{len(chosen)}] {site_id(s)}"
        diff = f"    - {s['orig'].strip()}\n    + {s['mut'].strip()}"
        if line_key(s) in known:
            counts['EQUIVALENT'] += 1
            print(f"EQUIVALENT {head} ({known[line_key(s)]})\n{diff}", flush=True)
            continue
        f = os.path.join(root, s['path'])
        original = open(f, encoding='latin-1').read()
        lines = original.split('\n')
        assert lines[s['line'] - 1] == s['orig']
        lines[s['line'] - 1] = s['mut']
        t0 = time.time()
        try:
            with open(f, 'w', encoding='latin-1') as fh:
                fh.write('\n'.join(lines))
            with open(log_path, 'w') as log:
                v, by = runner.verdict(s['path'], log)
        finally:
            with open(f, 'w', encoding='latin-1') as fh:
                fh.write(original)
        counts[v] += 1
        if v == 'SURVIVED':
            survivors.append(s)
        print(f"{v} {head}{' by ' + by if by else ''} ({time.time() - t0:.0f} s)\n{diff}", flush=True)
    scored = counts['KILLED'] + counts['SURVIVED']
    score = f"{counts['KILLED']}/{scored} = {100 * counts['KILLED'] / scored:.1f}%" if scored else 'none scored'
    print(f"score {score}; {counts['NO-BUILD']} did not build, {counts['EQUIVALENT']} equivalent; "
          f"{time.time() - start:.0f} s")
    with open(out_path, 'w', encoding='latin-1') as fh:
        for s in survivors:
            fh.write(f"{site_id(s)}\n    - {s['orig'].strip()}\n    + {s['mut'].strip()}\n")
    return 0 if not survivors else 1


def main():
    cmd, root = sys.argv[1], os.path.abspath(sys.argv[2])
    if cmd == 'list':
        for s in all_sites(root):
            print(f"{site_id(s)}:{s['col']}\t{s['orig'].strip()}\t{s['mut'].strip()}")
        return 0
    out = sys.argv[5] if len(sys.argv) > 5 else os.path.join(root, '..', 'survivors.txt')
    extra = sys.argv[6] if len(sys.argv) > 6 else None
    return run(root, int(sys.argv[3]), int(sys.argv[4]), out, None if extra == '--recheck' else extra,
               extra == '--recheck')


if __name__ == '__main__':
    sys.exit(main())
