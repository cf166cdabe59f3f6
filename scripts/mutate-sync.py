"""Makes the mutation scratch tree match the working tree (committed or not).
Only files whose content differs are copied, so unchanged ones keep their
times and the rebuilds stay incremental."""
import filecmp, os, shutil, subprocess, sys

src, dst = sys.argv[1], sys.argv[2]


def listed(root):
    out = subprocess.run(['git', '-C', root, 'ls-files', '-co', '--exclude-standard', '-z'],
                         capture_output=True, check=True).stdout
    return {f for f in out.decode().split('\0') if f and not f.startswith('build/')}


want = {f for f in listed(src) if os.path.isfile(os.path.join(src, f))}
for f in listed(dst) - want:
    if os.path.isfile(os.path.join(dst, f)):
        os.remove(os.path.join(dst, f))
for f in want:
    a, b = os.path.join(src, f), os.path.join(dst, f)
    if not os.path.isfile(b) or not filecmp.cmp(a, b, shallow=False):
        os.makedirs(os.path.dirname(b), exist_ok=True)
        shutil.copy2(a, b)
        os.utime(b)
