#!/usr/bin/env bash
# gantrell-cli on sources and outputs it can't use as they are: missing, empty and odd sources,
# huge and broken text, include cycles and deep chains, pipes, outputs that can't be made. Each
# run ends with its message and exit status within the harness's bounds on time and memory.
#   bad_input_test.sh GANTRELL-CLI
source "$(dirname "$0")/harness.sh" "$1"
# A sanitized build, slower and keeping freed memory in quarantine, gets huge inputs at a tenth;
# so does the 32-bit gantrell-cli.exe, whose 2 GiB of address space can't hold the tokens of the
# largest.
shrink=$((sanitized || wine ? 10 : 1))
nothing="gantrell: Nothing to export."
mkdir -p in/folder out/folder
printf 'keep\n' > out/folder/kept.txt

# Sources that can't be read, or hold nothing to scan. A directory reads as an empty file on
# Linux; Windows opens no directory as a file.
expect "missing file" 1 /dev/null \
  "gantrell: can't open source file \"in/missing.pb\": $no_file" -- "$cli" in/missing.pb
: > in/empty.pb
printf '1\tStatementEnd\t\\n\n' > empty.tokens
sources=(in/empty.pb)
((wine)) || sources+=(in/folder in/folder/)
for source in "${sources[@]}"; do
  expect "$source" 1 /dev/null "$nothing" -- "$cli" "$source"
  expect "$source: tokens" 0 empty.tokens "" -- "$cli" --tokens "$source"
done
if ((wine)); then
  expect "a directory" 1 /dev/null "gantrell: can't open source file \"in/folder/\": $is_folder" -- \
    "$cli" in/folder/
else
  expect "a device" 1 /dev/null "gantrell: can't open source file \"/dev/zero\": Is a device" -- "$cli" /dev/zero
fi
head -c $((50000000 / shrink)) /dev/zero > in/zeros.pb
expect "$((50000 / shrink)) kB of NUL bytes" 1 /dev/null "$nothing" -- "$cli" in/zeros.pb
# A line break in a folder's name would end the marker line that names the file.
ghost=$'in/x\nProcedureDLL Ghost()'
mkdir "$ghost"
printf 'ProcedureDLL Real()\n' > "$ghost/a.pb"
# Messages show control bytes in names as \xNN escapes.
expect "a line feed in the source's path" 1 /dev/null \
  "gantrell: can't open source file \"in/x\\x0aProcedureDLL Ghost()/a.pb\": Line break in the file name" \
  -- "$cli" "$ghost/a.pb"
rm -r in/zeros.pb "$ghost"

# Huge and broken text. An odd count of quotes leaves the last one open: its literal ends with its
# line, and the declaration after it is still found.
{ printf 'ProcedureDLL.l Big(a.l, b.l) : '; yes 'x = x + 1 :' | head -c $((100000000 / shrink)) | tr '\n' ' '; } > in/a.pb
mb=6144 expect_block "$((100000 / shrink)) kB single line" in/a.pb 'Big.l (a.l, b.l)'
quotes() { head -c $(($1 / shrink + $2)) /dev/zero | tr '\0' "'"; }
{ printf 'ProcedureDLL A()\n'; quotes 10000000 1; } > in/a.pb
expect_block "$((10000 / shrink)) kB of single quotes" in/a.pb 'A.i ()'
{ quotes 10000000 1; printf "x\nProcedureDLL Kept()\n"; } > in/a.pb
expect_block "an unclosed quote ends with its line" in/a.pb 'Kept.i ()'
printf '\xFF\xFEP\0r\0o\0c\0e\0d\0u\0r\0e\0D\0L\0L\0 \0W\0(\0)\0\r\0\n\0x' > in/a.pb
expect_block "odd-length UTF-16LE" in/a.pb 'W.i ()'
printf '\xEF\xBB\xBFProcedureDLL.s Caf\xC3\xA9(t.s)\nx = "\xE2\x82' > in/a.pb
expect_block "truncated UTF-8" in/a.pb 'Caf.i (t.s)'

# Includes: cycles, a deep chain, and names that are not files.
printf 'XIncludeFile "self.pb"\nProcedureDLL Self()\nIncludeFile "self.pb"\n' > in/self.pb
expect_block "a file that includes itself" in/self.pb 'Self.i ()'
printf 'IncludeFile "b.pbi"\nProcedureDLL A()\n' > in/a.pb
printf 'IncludeFile "c.pbi"\nProcedureDLL B()\n' > in/b.pbi
printf 'IncludeFile "a.pb"\nProcedureDLL C()\n' > in/c.pbi
expect_block "a cycle of three files" in/a.pb 'C.i ()' 'B.i ()' 'A.i ()'
mkdir in/chain
for ((i = 0; i < 5000; i++)); do
  printf 'ProcedureDLL P%d()\nXIncludeFile "f%d.pbi"\n' $i $((i + 1)) > in/chain/f$i.pbi
  lines+=("P$i.i ()")
done
printf 'ProcedureDLL P5000()\n' > in/chain/f5000.pbi
header "${lines[@]}" 'P5000.i ()' > want.pbi
# One open file per level would run out of descriptors long before the chain ends.
expect "a 5,000-deep include chain" 0 want.pbi "" -- bash -c 'ulimit -n 64 && exec "$@"' - \
  "$cli" in/chain/f0.pbi
rm -r in/chain
printf 'IncludeFile "folder"\nIncludeFile "folder/"\nIncludeFile "/dev/urandom"\nProcedureDLL D()\n' > in/odd.pb
header 'D.i ()' > want.pbi
odd="gantrell: warning: can't open include file \"folder\": Is a directory
  at in/odd.pb:1
gantrell: warning: can't open include file \"folder/\": Is a directory
  at in/odd.pb:2
gantrell: warning: can't open include file \"/dev/urandom\": Is a device
  at in/odd.pb:3"
# Wine takes /dev/urandom for a file it can't find.
((wine)) && odd="${odd%%: Is a device*}
  at in/odd.pb:3"
expect "includes naming a directory and a device" 0 want.pbi "$odd" -- "$cli" in/odd.pb
expect "includes naming a directory, --strict" 1 /dev/null "$odd
gantrell: Some include files can't be opened." -- "$cli" --strict in/odd.pb
# A UTF-8 overlong line feed, an escape sequence and DEL in include names.
printf '\xEF\xBB\xBFIncludeFile "a\xC0\x8Ab.pbi"\nIncludeFile "e\x1b[31m\x7f.pbi"\nProcedureDLL D()\n' > in/ctl.pb
expect "control bytes in include names" 0 want.pbi "gantrell: warning: can't open include file \"a\\x0ab.pbi\"
  at in/ctl.pb:1
gantrell: warning: can't open include file \"e\\x1b[31m\\x7f.pbi\"
  at in/ctl.pb:2" -- "$cli" in/ctl.pb
# Sizes, /proc, letter-case folders and cgroups are Linux's: skipped under wine.
if ((!wine)); then
  # Every byte counts toward the 2 GiB limit, NUL bytes too, and costs the same: a sparse 20 GiB
  # file, and a file of the system that says it is empty but never ends.
  truncate -s 20G in/sparse.pbi
  for include in sparse.pbi /proc/self/pagemap; do
    printf 'IncludeFile "%s"\nProcedureDLL A()\n' "$include" > in/huge.pb
    expect "$include as include" 1 /dev/null "gantrell: Source too large." -- "$cli" in/huge.pb
  done
  rm in/sparse.pbi
  # An absolute name is read by that name, however the source was named: not beside the includer,
  # where ./ would put a decoy.
  abs=$PWD/in/abs/i1.pbi
  mkdir -p in/abs ".${abs%/*}"
  printf 'ProcedureDLL Absolute()\n' > "$abs"
  printf 'ProcedureDLL Decoy()\n' > ".$abs"
  printf 'IncludeFile "%s"\n' "$abs" > f.pb
  header 'Absolute.i ()' > want.pbi
  for source in f.pb ./f.pb; do expect "an absolute include from $source" 0 want.pbi "" -- "$cli" "$source"; done
  top=${abs#/}
  rm -r f.pb "./${top%%/*}"
  # Folder listings for names in other letter cases are kept once per folder: 5,000 missing
  # includes spelled through ./ and ../ into a large system folder.
  up=$(realpath --relative-to=in / )/
  for ((i = 0; i < 5000; i++)); do
    dots=$(printf '%*s' $((i % 80)) '' | sed 's| |./|g')
    ups=$(printf '%*s' $((i / 80)) '' | sed 's| |../|g')
    printf 'IncludeFile "%s%s%susr/share/doc/Missing.pbi"\n' "$dots" "$up" "$ups"
  done > in/spellings.pb
  printf 'ProcedureDLL Spelled()\n' >> in/spellings.pb
  header 'Spelled.i ()' > want.pbi
  mb=200 expect "5,000 spellings of a large folder" 0 want.pbi - -- "$cli" in/spellings.pb

  # A source too big for the memory the process may use ends with a message, not with the kernel's
  # kill: 100 MB of line feeds in a memory cgroup of 1 GiB (as root, under cgroup v2 with its
  # memory controller or in v1's memory hierarchy below the test's own group; skipped elsewhere).
  v1=/sys/fs/cgroup/memory$(sed -n 's/^[0-9]*:memory://p' /proc/self/cgroup)
  if [[ -f /sys/fs/cgroup/cgroup.subtree_control ]]; then
    cg=/sys/fs/cgroup/gantrell-test-$$ limit=memory.max
    grep -qw memory /sys/fs/cgroup/cgroup.subtree_control || cg=
  else
    cg=${v1%/}/gantrell-test-$$ limit=memory.limit_in_bytes
  fi
  if ((!sanitized)) && [[ -n $cg ]] && mkdir "$cg" 2>/dev/null; then
    echo 1G > "$cg/$limit"
    { echo 0 > "$cg/memory.swap.max"; } 2>/dev/null  # v2: no swap to spill into
    head -c 100000000 /dev/zero | tr '\0' '\n' > in/feeds.pb
    # shellcheck disable=SC2016  # for the inner shell to expand
    expect "100 MB of line feeds in 1 GiB" 1 /dev/null "gantrell: Out of memory." -- \
      sh -c 'echo $$ > "$0/cgroup.procs" && exec "$@"' "$cg" "$cli" in/feeds.pb
    rm in/feeds.pb
    rmdir "$cg"
  else
    echo "no memory cgroup could be made: the 1 GiB case is skipped" >&2
  fi
fi

# Pipes: nothing waits for a writer that never comes, or for the program's own output.
# FIFOs, /dev/std*, /proc and sockets are Linux's: skipped under wine.
if ((!wine)); then
  mkfifo in/lone.pb out/fifo
  expect "a FIFO without a writer as source" 1 /dev/null "$nothing" -- "$cli" in/lone.pb
  printf 'IncludeFile "lone.pb"\nIncludeFile "/dev/stdout"\nProcedureDLL F()\n' > in/fifos.pb
  header 'F.i ()' > want.pbi
  # shellcheck disable=SC2016  # for the inner shell to expand
  expect "a FIFO and the output pipe as includes" 0 want.pbi "" -- bash -c '"$0" "$1" | cat' "$cli" in/fifos.pb
  # From standard input the FIFO's relative name is looked for beside /dev/stdin, and warned of.
  # shellcheck disable=SC2016  # for the inner shell to expand
  expect "the main source from standard input" 0 want.pbi \
    "gantrell: warning: can't open include file \"lone.pb\"
  at /dev/stdin:1" -- bash -c '"$0" /dev/stdin < "$1"' "$cli" in/fifos.pb
  # shellcheck disable=SC2016  # for the inner shell to expand
  expect "output onto a FIFO with a reader" 0 want.pbi "" -- \
    bash -c 'cat out/fifo & "$0" -o out/fifo "$1" && wait' "$cli" in/fifos.pb
  header 'Self.i ()' > want.pbi
  expect "output to /dev/stdout" 0 want.pbi "" -- "$cli" -o /dev/stdout in/self.pb

  # A stream of the program is written as it is: its offset and append mode stay, and no name
  # that leads to it is replaced. Another process's descriptor is refused.
  { printf 'old\n'; cat want.pbi; cat want.pbi; cat want.pbi; } > log.want
  ln -s /proc/self/fd/1 out/stdout.link
  # shellcheck disable=SC2016  # for the inner shell to expand
  expect "output to streams appends to the log" 0 log.want "" -- bash -c \
    'printf "old\n" > log && for o in /dev/stdout /dev/fd/1 out/stdout.link; do "$0" -o $o "$1" >> log; done; cat log' \
    "$cli" in/self.pb
  check "the link to standard output was replaced" test -L out/stdout.link
  expect "output to another process's descriptor" 1 /dev/null "gantrell: Can't create file.
  /proc/$$/fd/1: Another process's descriptor" -- "$cli" -o /proc/$$/fd/1 in/self.pb
  # A socket is connected to and written; the listener gets the block.
  listen='import socket, subprocess, sys
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(1)
run = subprocess.Popen(sys.argv[2:]); c = s.accept()[0]
sys.stdout.buffer.write(b"".join(iter(lambda: c.recv(65536), b""))); sys.exit(run.wait())'
  expect "output onto a socket" 0 want.pbi "" -- python3 -c "$listen" out/sock "$cli" -o out/sock in/self.pb
  rm -f log log.want out/sock out/stdout.link
fi

# Outputs that can't be made: the message, then the file (or standard output) and the reason.
while IFS='|' read -r -u 3 target message reason; do
  expect "output to $target" 1 /dev/null "gantrell: $message
  $target: $reason" -- "$cli" -o "$target" in/self.pb
done 3<<END
out/missing/a.pbi|Can't create file.|$no_folder
out/folder|Can't create file.|$is_folder
/dev/full|Can't write file.|$disk_full
END
# shellcheck disable=SC2016  # for the inner shell to expand
expect "stdout on a full device" 1 - "gantrell: Can't write file.
  standard output: No space left on device" -- sh -c '"$0" "$1" > /dev/full' "$cli" in/self.pb

# Replacing an output: all or nothing, however it ends and whatever else writes the file.
if mkdir small && mount -t tmpfs -o size=64k tmpfs small 2>/dev/null; then
  header 'A.i ()' > small/h.pbi
  head -c 1M /dev/zero > small/filler 2>/dev/null
  printf 'ProcedureDLL.l Longer(a.l, b.l, c.l)\n' > in/longer.pb
  expect "output onto a full file system" 1 /dev/null "gantrell: Can't write file.
  small/h.pbi: $disk_full" -- "$cli" -o small/h.pbi in/longer.pb
  umount small
else
  echo "no tmpfs could be mounted: the full file system case is skipped" >&2
fi
rmdir small 2>/dev/null
# Permissions, signals and users are Linux's: skipped under wine.
if ((!wine)); then
  # Permissions as the shell's `>`: what the user may not write is refused; where a new file would
  # change the owner or the mode, or the folder takes no new file, the file is rewritten in place.
  # Run as an unprivileged user; as root only the cases of one user can be tried.
  header 'Longer.l (a.l, b.l, c.l)' > longer.pbi
  printf 'ProcedureDLL.l Longer(a.l, b.l, c.l)\n' > in/longer.pb
  user=()
  if ((EUID == 0)); then
    user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    chmod o+x "$scratch" "$scratch/work"
    mkdir own && chown nobody own
  else
    echo "not root: the cases of another user's files are skipped" >&2
    mkdir own
  fi
  "${user[@]}" sh -c 'printf "old\n" > own/ro.pbi && chmod 444 own/ro.pbi'
  expect "the user's own read-only file" 1 /dev/null "gantrell: Can't create file.
  own/ro.pbi: Permission denied" -- "${user[@]}" "$cli" -o own/ro.pbi in/longer.pb
  # inode FILE: the file's inode, owner, group and mode.
  inode() { stat -c '%i %u %g %a' "$1"; }
  "${user[@]}" sh -c 'printf "old\n" > own/w.pbi'
  before=$(inode own/w.pbi)
  expect "the user's own file" 0 /dev/null "" -- "${user[@]}" "$cli" -o own/w.pbi in/longer.pb
  # shellcheck disable=SC2016  # for eval to expand when the check runs
  check "own/w.pbi: not replaced by a new file" eval '[[ $(inode own/w.pbi) != "$before" ]] && cmp -s own/w.pbi longer.pbi'
  if ((EUID == 0)); then
    mkdir -m 1777 sticky && mkdir -m 775 group && mkdir readonly && chgrp "$(id -g nobody)" group
    for f in sticky/f.pbi group/f.pbi readonly/f.pbi; do printf 'old\n' > $f; chmod 666 $f; done
    chgrp "$(id -g nobody)" group/f.pbi && chmod 664 group/f.pbi && chmod 555 readonly
    for f in sticky/f.pbi group/f.pbi readonly/f.pbi; do
      before=$(inode $f)
      expect "$f rewritten in place" 0 /dev/null "" -- "${user[@]}" "$cli" -o $f in/longer.pb
      # shellcheck disable=SC2016  # for eval to expand when the check runs
      check "$f: not the same file, or not the block" eval '[[ $(inode $f) == "$before" ]] && cmp -s $f longer.pbi'
    done
    # Root keeps root's rights: the other user's file is replaced, and stays that user's.
    chown nobody sticky/f.pbi && before=$(inode sticky/f.pbi)
    expect "root over another user's file" 0 /dev/null "" -- "$cli" -o sticky/f.pbi in/self.pb
    # shellcheck disable=SC2016  # for eval to expand when the check runs
    check "root's replacement changed the owner" eval '[[ $(inode sticky/f.pbi) != "$before" ]] &&
      [[ $(inode sticky/f.pbi | cut -d" " -f2-) == "$(cut -d" " -f2- <<<"$before")" ]]'
    # Rewriting in place reserves the space first: a full disk fails before a byte changes.
    if mkdir full && mount -t tmpfs -o size=64k,mode=755 tmpfs full 2>/dev/null; then
      printf 'old\n' > full/h.pbi && chmod 666 full/h.pbi
      head -c 1M /dev/zero > full/filler 2>/dev/null
      for i in $(seq 300); do printf 'ProcedureDLL.l Wide%d(a.l)\n' "$i"; done > in/wide.pb
      expect "in place onto a full file system" 1 /dev/null "gantrell: Can't write file.
  full/h.pbi: No space left on device" -- "${user[@]}" "$cli" -o full/h.pbi in/wide.pb
      umount full
    fi
    rmdir full 2>/dev/null
    chmod 755 readonly
  fi

  # Interrupted runs: SIGINT, SIGTERM or SIGHUP while the file is written remove the temporary
  # file, keep the old file and end the program by that signal; during an in-place rewrite the
  # signal waits until the file is complete. strace sends the signal at a chosen system call.
  if command -v strace >/dev/null; then
    printf 'old\n' > own/w.pbi
    for signal in INT:130 TERM:143 HUP:129; do
      expect "SIG${signal%:*} while writing" "${signal#*:}" /dev/null - -- strace -o /dev/null -e trace=write \
        -e inject=write:signal="${signal%:*}" "$cli" -o own/w.pbi in/longer.pb
    done
    if ((EUID == 0)); then
      # A copy of the program where the other user reaches it (a build below root's home is out
      # of that user's reach), for strace to start as that user.
      cp "$cli" "$scratch/nobody-cli" && chmod 755 "$scratch/nobody-cli"
      printf 'old\n' > readonly/f.pbi && chmod 555 readonly
      "${user[@]}" strace -o /dev/null -e trace=pwrite64 -e inject=pwrite64:signal=INT \
        "$scratch/nobody-cli" -o readonly/f.pbi in/self.pb 2>"$scratch/signal.err"
      status=$?
      chmod 755 readonly
      check "SIGINT during a rewrite in place: status $status ($(cat "$scratch/signal.err")), or the file not whole" eval \
        '((status == 130)) && cmp -s readonly/f.pbi want.pbi'
    fi
  else
    echo "no strace: the interrupted runs are skipped" >&2
  fi
fi

for i in $(seq 40); do printf 'ProcedureDLL.l Proc%d(a.l)\n' "$i"; done > in/many.pb
"$cli" in/many.pb > many.pbi
"$cli" in/self.pb > one.pbi
# On Windows one run may fail to replace the file while the other holds it ("Access denied"):
# the file is still whole.
whole() {
  for i in $(seq 20); do
    "$cli" -o race.pbi in/many.pb 2>>race.err & "$cli" -o race.pbi in/self.pb 2>>race.err & wait
    cmp -s race.pbi many.pbi || cmp -s race.pbi one.pbi || return 1
  done
}
check "two runs writing one file left a mix" whole
summary bad-input
