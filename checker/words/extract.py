#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Make the checker's tables of console words from the engine rebuilds.

Reads every .c/.cpp/.h file of each source tree (a git directory or a plain
folder mirrored from the search index), finds the calls that register console
commands and variables (Cmd_AddCommand, trap_AddCommand, Cvar_Get,
Cvar_Register, trap_Cvar_Register, Dvar_Register*...), the tables of commands
and variables that a loop walks to register them, and names built with
sprintf/va in a loop with a constant bound, and writes one table per game:
cod2.tsv, cod.tsv and uo.tsv. Words from hand-added.tsv that the rebuilds lack
are appended in hand-added sections.

Only words, kinds, file paths and function names are written; no engine code.
Python 3 standard library only. See README.md for the command line.
"""

import argparse
import collections
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
# .inc: initializer fragments (coduomp keeps tables' bodies in such files)
EXTENSIONS = ('.c', '.cpp', '.h', '.hpp', '.cc', '.inl', '.inc')
INCLUDE_RE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*"([^"\n]+\.(?:inc|inl))"[^\n]*$', re.M)

# ---------------------------------------------------------------------------
# Sources and games


class Source:
    def __init__(self, key, repo, path):
        self.key, self.repo, self.path = key, repo, path
        self.files = {}          # path -> text
        self.not_read = []       # (path, why)
        self.commit = None       # git: HEAD; folder: None
        self.commits = []        # folder: commits named by MANIFEST.tsv
        self.done = None         # folder: whether the DONE file was there
        self.kind = None
        self.manifest = None     # folder: another list of its files than MANIFEST.tsv

    def load(self):
        if os.path.isdir(os.path.join(self.path, 'objects')) and \
                os.path.exists(os.path.join(self.path, 'HEAD')):
            self._load_git()
        elif os.path.isdir(self.path):
            self._load_folder()
        else:
            raise SystemExit(f'{self.key}: no source at {self.path}')

    def _git(self, *args, **kw):
        return subprocess.run(['git', '--git-dir=' + self.path] + list(args),
                              check=True, capture_output=True, **kw).stdout

    def _load_git(self):
        self.kind = 'git'
        self.commit = self._git('rev-parse', 'HEAD').decode().strip()
        listing = self._git('ls-tree', '-r', '-z', 'HEAD').split(b'\0')
        wanted = []
        for row in listing:
            if not row:
                continue
            meta, path = row.split(b'\t', 1)
            path = path.decode('utf-8', 'replace')
            mode, typ, sha = meta.decode().split()
            if typ == 'blob' and path.lower().endswith(EXTENSIONS):
                wanted.append((path, sha))
        # One cat-file process for every blob; missing objects say "missing".
        proc = subprocess.Popen(['git', '--git-dir=' + self.path, 'cat-file', '--batch'],
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL)
        for path, sha in wanted:
            proc.stdin.write(sha.encode() + b'\n')
            proc.stdin.flush()
            head = proc.stdout.readline().decode().split()
            if len(head) < 3 or head[1] == 'missing':
                self.not_read.append((path, 'object not in the local clone'))
                continue
            data = proc.stdout.read(int(head[2]))
            proc.stdout.read(1)
            self.files[path] = decode(data)
        proc.stdin.close()
        proc.wait()

    def _load_folder(self):
        """A folder mirrored from the index. Its MANIFEST.tsv (path, commit,
        copied|skipped, characters) says which files were skipped; before the copy
        is finished, another list (path, commit...) may be named with --manifest."""
        self.kind = 'folder'
        self.done = os.path.exists(os.path.join(self.path, 'DONE'))
        manifest = self.manifest or os.path.join(self.path, 'MANIFEST.tsv')
        self.manifest_used = manifest if os.path.exists(manifest) else None
        listed = {}
        if self.manifest_used:
            with open(manifest, encoding='utf-8', errors='replace') as f:
                for line in f:
                    cols = line.rstrip('\n').split('\t')
                    if len(cols) < 2 or cols[0] in ('', 'path') or cols[0].startswith('#'):
                        continue
                    state = cols[2] if len(cols) > 2 and cols[2] in ('copied', 'skipped') \
                        else None
                    listed[cols[0]] = (cols[1], state)
        for top, dirs, names in os.walk(self.path):
            dirs[:] = sorted(d for d in dirs if not d.startswith('.'))
            for name in sorted(names):
                if not name.lower().endswith(EXTENSIONS):
                    continue
                full = os.path.join(top, name)
                rel = os.path.relpath(full, self.path).replace(os.sep, '/')
                if rel in listed and listed[rel][1] == 'skipped':
                    continue
                with open(full, 'rb') as f:
                    self.files[rel] = decode(f.read())
        commits = collections.Counter(c for p, (c, state) in listed.items()
                                      if c and p in self.files)
        self.commits = commits.most_common()
        for path, (commit, state) in sorted(listed.items()):
            if not path.lower().endswith(EXTENSIONS):
                continue
            if state == 'skipped':
                self.not_read.append((path, 'skipped by the mirror'))
            elif path not in self.files:
                self.not_read.append((path, 'listed as copied but absent' if state else
                                      'not yet copied when this ran'))

    def describe(self):
        if self.kind == 'git':
            return self.commit
        commits = ', '.join(f'{c} ({n} file{"s" if n > 1 else ""})' for c, n in self.commits) \
            if self.commits else 'unknown (no MANIFEST.tsv yet)'
        return f'index mirror, files at commits {commits}'


def decode(data):
    try:
        return data.decode('utf-8')
    except UnicodeDecodeError:
        return data.decode('latin-1')


SOURCES = [
    # key, owner/name, default place
    ('cod2rev', 'voron00/CoD2rev_Server', '/work/.mirror/voron00+CoD2rev_Server/repo'),
    ('cod2mp', 'yctn/cod2-mp-macho', '/work/sources/yctn+cod2-mp-macho'),
    ('opencod1', 'PrawyCoD1/opencod1', '/work/sources/PrawyCoD1+opencod1'),
    ('coduomp', 'opencoduo/coduomp', '/work/sources/opencoduo+coduomp'),
    ('quake3', 'id-Software/Quake-III-Arena', '/work/.mirror/id-Software+Quake-III-Arena/repo'),
]

# Modules, from a file's path; the first pattern that matches wins.
MODULES = [
    ('decompiled', r'(^|/)test/database/'),
    ('test', r'(^|/)test/'),
    ('tools', r'(^|/)(q3radiant|q3map|bspc|q3asm|lcc|libs|common|tools|splines|jpeg-6|zlib)/'),
    ('libcod', r'(^|/)libcod/'),
    ('discord', r'(^|/)cl_discord\w*\.c'),
    ('renderer', r'(^|/)(renderer\w*|gfx_d3d\w*|gfx_gl\w*|rb_\w*)/|(^|/)r_\w+\.c'),
    ('sound', r'(^|/)(sound\w*|snd\w*|miles|mss\w*)/|(^|/)(\w+_)?snd(_\w*)?\.c(pp)?$'),
    ('cgame', r'(^|/)cgame\w*/'),
    ('q3_ui', r'(^|/)q3_ui/'),
    ('ui', r'(^|/)ui\w*/'),
    ('bgame', r'(^|/)bgame\w*/'),
    ('game', r'(^|/)game\w*/'),
    ('client', r'(^|/)client\w*/'),
    ('server', r'(^|/)server\w*/'),
    ('botlib', r'(^|/)botlib/'),
    ('platform', r'(^|/)(win32|unix|macosx|null|linux|sys|win|PC/win\w*)/'),
    ('qcommon', r'(^|/)(qcommon|universal)/'),
]
# Parts of a rebuild that the retail game does not have: kept, and counted in the header.
ADDON_MODULES = {'libcod': "CoD2rev_Server's src/libcod, libcod's additions to the server"
                           " (not in the retail game's)",
                 'discord': "opencod1's src/client_mp/cl_discord.c, its Discord presence"
                            " (not in the retail game's)"}
MODULE_RES = [(m, re.compile(p, re.I)) for m, p in MODULES]


def module_of(path):
    for m, rx in MODULE_RES:
        if rx.search(path):
            return m
    return 'other'


# Lower priority (later) for a decompiler's dump and tests, so that the
# rebuilt source names the place of a word where both have it.
def path_rank(path):
    m = module_of(path)
    return {'decompiled': 2, 'test': 2, 'tools': 3}.get(m, 0)


GAMES = {
    'cod2': dict(
        title='COD 2', name='COD 2', out='cod2.tsv', sources=['cod2rev', 'cod2mp'],
        modules=['qcommon', 'server', 'game', 'bgame', 'client', 'cgame', 'ui', 'renderer',
                 'sound', 'platform'],
        fallback=None),
    'cod': dict(
        title='COD 1.1/1.3', name='COD', out='cod.tsv', sources=['opencod1'],
        modules=['qcommon', 'server', 'game', 'client', 'cgame', 'ui', 'renderer', 'sound',
                 'platform'],
        fallback=('source', 'quake3')),
    'uo': dict(
        title='United Offensive', name='United Offensive', out='uo.tsv', sources=['coduomp'],
        modules=['qcommon', 'server', 'game', 'client', 'cgame', 'ui', 'renderer', 'sound',
                 'platform'],
        fallback=('game', 'cod')),
}

# gamewords.cpp's lists, by game (as GameWords::of combines them); read by --hand-from.
GAMEWORDS_GAMES = {'cod2': 'cod2', 'cod': 'cod', 'unitedOffensive': 'uo'}

# ---------------------------------------------------------------------------
# Registration calls

# (ri_ is the renderer's import table, ri.Cvar_Get in Quake III, ri_Cvar_Get in opencod1)
# (CL_AddCgameCommand: COD 2's cgame, linked into the program, adds its commands so)
COMMAND_FUNCS = (r'(?:ri_)?Cmd_AddCommand\w*|Cmd_AddServerCommand\w*|trap_AddCommand'
                 r'|trap_Cmd_AddCommand|CL_AddCgameCommand')
VARIABLE_FUNCS = r'(?:ri_)?Cvar_Get|Cvar_Register\w*|trap_Cvar_Register|Dvar_Register\w*'
CALL_RE = re.compile(r'\b(' + COMMAND_FUNCS + '|' + VARIABLE_FUNCS + r')\s*\(')
COMMAND_RE = re.compile('^(?:' + COMMAND_FUNCS + ')$')
SYSCALL_RE = re.compile(r'\b(\w*syscall)\s*\(\s*(\w+_(?:ADD_COMMAND|CVAR_REGISTER))\s*,')
CALL_NAME_RE = re.compile('^(?:' + COMMAND_FUNCS + '|' + VARIABLE_FUNCS + ')$')
# cod2-mp-macho keeps many functions as inline assembly whose string operands are
# annotated: "movl $0x215d3c, (%esp)\n" /* "toggle" */ ... "calll Cmd_AddCommand\n"
ASM_CALL_RE = re.compile(r'"\s*call[lq]?\s+_?(\w+)\s*\\n"')
ASM_ARG_RE = re.compile(r'"\s*mov[lq]?\s+\$[\w.]+\s*,\s*(0x[0-9a-fA-F]+|\d+)?\(%[er]sp\)\s*\\n"'
                        r'\s*/\*\s*"((?:\\.|[^"\\\n])*)"\s*\*/')
CANDIDATE_RE = re.compile(r'\b(\w*(?:AddCommand|Cvar_Get|Cvar_Register|Dvar_Register)\w*)\s*\(')
PROTOTYPE_BEFORE_RE = re.compile(r'\b(?:void|int|char|bool|qboolean|\w+_t|_?[A-Z]*WORD|__int\d+)'
                                 r'\s*\**\s*(?:__\w+(?:@<\w+>)?\s+)*$')
PROTOTYPE_ARG_RE = re.compile(r'\s*(?:const\s+|unsigned\s+|signed\s+|struct\s+)*'
                              r'(?:char|int|float|double|long|void|_?[A-Z]*WORD|_?BYTE|__int\d+|'
                              r'\w+_t|unsigned|bool|qboolean)\b\s*[*&\w]')
NOT_REGISTRATION_RE = re.compile(r'_f$')  # Dvar_RegisterBool_f is the dvar_bool command


def name_index(func):
    """Which argument holds the name."""
    if func.endswith('ADD_COMMAND'):
        return 1  # syscall(CG_ADD_COMMAND, name)
    if func.endswith('CVAR_REGISTER'):
        return 2  # syscall(CG_CVAR_REGISTER, vmCvar, name, default, flags)
    if func in ('Cvar_Register', 'trap_Cvar_Register', 'ri_Cvar_Register'):
        return 1
    return 0


def kind_of(func, word):
    if COMMAND_RE.match(func) or func.endswith('ADD_COMMAND'):
        return 'input' if word[:1] in '+-' and len(word) > 1 else 'command'
    return 'variable'


# ---------------------------------------------------------------------------
# A rough C reader

TOKEN_RE = re.compile(r'//[^\n]*|/\*.*?(?:\*/|\Z)|"(?:\\.|[^"\\\n])*"?|\'(?:\\.|[^\'\\\n])*\'?',
                      re.S)
KEYWORDS = {'if', 'for', 'while', 'switch', 'return', 'sizeof', 'do', 'else', 'case'}


def blank(s):
    return re.sub(r'[^\n]', ' ', s)


class CFile:
    """One file: its text without comments (clean), the same with the insides of
    literals masked (code), its top-level blocks, and what the comments and
    #if 0 blocks hid."""

    def __init__(self, path, text):
        self.path = path
        self.defines = {}
        self._strip(text)
        self._preprocess()
        self._blocks()

    def _strip(self, text):
        clean, code, self.comments = [], [], []
        pos = 0
        for m in TOKEN_RE.finditer(text):
            clean.append(text[pos:m.start()])
            code.append(text[pos:m.start()])
            tok = m.group()
            if tok.startswith('/'):
                self.comments.append((m.start(), tok))
                clean.append(blank(tok))
                code.append(blank(tok))
            else:
                clean.append(tok)
                q = tok[0]
                inner = tok[1:-1] if len(tok) > 1 and tok.endswith(q) else tok[1:]
                code.append(q + '_' * len(inner) + (q if len(tok) > 1 and tok.endswith(q) else ''))
            pos = m.end()
        clean.append(text[pos:])
        code.append(text[pos:])
        self.clean, self.code = ''.join(clean), ''.join(code)
        self.line_starts = [0] + [m.end() for m in re.finditer('\n', self.clean)]

    def line_of(self, pos):
        lo, hi = 0, len(self.line_starts) - 1
        while lo < hi:
            mid = (lo + hi + 1) // 2
            if self.line_starts[mid] <= pos:
                lo = mid
            else:
                hi = mid - 1
        return lo + 1

    def _preprocess(self):
        """Blank the directives, and the code of #if 0 (and of #else after #if 1)."""
        lines = self.code.split('\n')
        clines = self.clean.split('\n')
        stack = []  # [parent_live, known, taken, live, tracked]
        self.cond_events = []
        live = True
        dead_spans = []
        i = 0
        offsets = []
        off = 0
        for ln in lines:
            offsets.append(off)
            off += len(ln) + 1
        while i < len(lines):
            ln = lines[i]
            s = ln.strip()
            if s.startswith('#'):
                j = i
                full = s
                while lines[j].rstrip().endswith('\\') and j + 1 < len(lines):
                    j += 1
                    full = full[:-1] + ' ' + lines[j].strip()
                d = re.match(r'#\s*(\w+)\s*(.*)', full)
                word, rest = (d.group(1), d.group(2).strip()) if d else ('', '')
                # Where both branches of an #if are read (#ifdef X ... #else), the
                # blocks pass is told, so that a header written twice counts once.
                if word in ('if', 'ifdef', 'ifndef'):
                    known = word == 'if' and rest in ('0', '1', '(0)', '(1)')
                    taken = known and '1' in rest
                    branch = taken if known else True
                    track = live and not known
                    stack.append([live, known, taken, branch, track])
                    if track:
                        self.cond_events.append((offsets[i], 'if'))
                    live = live and branch
                elif word in ('elif', 'else') and stack:
                    fr = stack[-1]
                    if fr[1]:
                        if fr[2]:
                            branch = False
                        elif word == 'else' or rest in ('1', '(1)'):
                            branch, fr[2] = True, True
                        elif rest in ('0', '(0)'):
                            branch = False
                        else:
                            branch, fr[1] = True, False
                            if fr[0] and not fr[2]:
                                fr[4] = True
                                self.cond_events.append((offsets[i], 'if'))
                    else:
                        branch = True
                        if fr[4]:
                            self.cond_events.append((offsets[i], 'else'))
                    fr[3] = branch
                    live = fr[0] and branch
                elif word == 'endif' and stack:
                    fr = stack.pop()
                    if fr[4]:
                        self.cond_events.append((offsets[i], 'endif'))
                    live = fr[0]
                elif word == 'define' and live:
                    dm = re.match(r'(\w+)\s+(.+)$', rest)
                    if dm and dm.group(1) not in self.defines:
                        raw = ' '.join(clines[k].strip() for k in range(i, j + 1))
                        raw = re.sub(r'^#\s*define\s+\w+\s*', '', raw).rstrip('\\').strip()
                        self.defines[dm.group(1)] = raw
                for k in range(i, j + 1):
                    lines[k] = ' ' * len(lines[k])
                    clines[k] = ' ' * len(clines[k])
                i = j + 1
                continue
            if not live:
                dead_spans.append((offsets[i], clines[i]))
                lines[i] = ' ' * len(ln)
                clines[i] = ' ' * len(clines[i])
            i += 1
        self.code = '\n'.join(lines)
        self.clean = '\n'.join(clines)
        self.dead_spans = dead_spans

    def _blocks(self):
        """Top-level blocks: functions, initialised tables, structs."""
        self.blocks = []          # dicts: kind, name, start, end, header
        self.structs = {}         # type name -> field names
        self.tables = {}          # name -> block
        code = self.code
        stack = []
        seg = 0
        tokens = [(m.start(), m.group()) for m in re.finditer(r'[{};]', code)]
        tokens += [(pos, '#' + kind) for pos, kind in self.cond_events]
        tokens.sort()
        frames = []  # [stack and seg at the #if, stack and seg after its first branch]
        for p, c in tokens:
            if c[0] == '#':
                if c == '#if':
                    frames.append([(list(stack), seg), None])
                elif c == '#else' and frames:
                    if frames[-1][1] is None:
                        frames[-1][1] = (list(stack), seg)
                    stack, seg = list(frames[-1][0][0]), frames[-1][0][1]
                elif c == '#endif' and frames:
                    fr = frames.pop()
                    if fr[1] is not None:
                        stack, seg = fr[1]
                continue
            depth = sum(1 for b in stack if b is not None)
            if c == ';':
                if depth == 0:
                    seg = p + 1
                continue
            if c == '{':
                if depth == 0:
                    header = code[seg:p]
                    if re.search(r'(\bextern\s+"_+"|\bnamespace(\s+\w+)?)\s*$', header):
                        stack.append(None)
                        seg = p + 1
                        continue
                    stack.append(self._classify(header, seg, p))
                else:
                    stack.append('inner')
                continue
            # '}'
            if not stack:
                seg = p + 1
                continue
            b = stack.pop()
            if isinstance(b, dict) and 'end' not in b:
                b['end'] = p
                self.blocks.append(b)
                if b['kind'] == 'struct':
                    tail = re.match(r'\s*([\w\s,*]*);', code[p + 1:p + 200])
                    names = re.findall(r'\w+', tail.group(1)) if tail else []
                    fields = struct_fields(code[b['start'] + 1:p])
                    for n in names + ([b['name']] if b['name'] else []):
                        self.structs.setdefault(n, fields)
                elif b['kind'] == 'table':
                    self.tables.setdefault(b['name'], b)
            if sum(1 for x in stack if x is not None) == 0:
                seg = p + 1
        self.blocks.sort(key=lambda b: b['start'])

    def _classify(self, header, seg, p):
        h = header.strip()
        f = re.search(r'([A-Za-z_]\w*(?:::~?\w+)*)(?:@<\w+>)?\s*\(((?:[^()]|\([^()]*\))*)\)'
                      r'\s*(?:const\s*)?(?:__attribute__\s*\(\(.*?\)\)\s*)?$', h, re.S)
        if f and f.group(1).split('::')[-1] not in KEYWORDS:
            return dict(kind='function', name=f.group(1).split('::')[-1], start=p,
                        params=param_names(f.group(2)), header=h)
        t = re.search(r'(\w+)\s*(?:\[[^\]]*\]\s*)*=\s*$', h)
        if t:
            before = h[:t.start()]
            ty = re.findall(r'\w+', before)
            ty = [w for w in ty if w not in ('static', 'const', 'struct', 'extern', 'unsigned',
                                             'volatile')]
            return dict(kind='table', name=t.group(1), start=p, type=ty[-1] if ty else '',
                        header=h)
        s = re.search(r'\b(struct|union|class|enum)\b\s*(\w*)[^=()]*$', h)
        if s:
            return dict(kind='struct', name=s.group(2), start=p, header=h)
        f = re.findall(r'(\w+)\s*\(', h)
        name = [n for n in f if n not in KEYWORDS]
        return dict(kind='other', name=name[-1] if name else '?', start=p, params=[], header=h)

    def block_at(self, pos):
        lo, hi = 0, len(self.blocks) - 1
        best = None
        while lo <= hi:
            mid = (lo + hi) // 2
            if self.blocks[mid]['start'] <= pos:
                best = self.blocks[mid]
                lo = mid + 1
            else:
                hi = mid - 1
        if best and best['start'] < pos < best['end']:
            return best
        return None


def param_names(params):
    names = []
    for part in split_top(params, 0, len(params)):
        text = params[part[0]:part[1]]
        fp = re.search(r'\(\s*\*\s*(\w+)\s*\)', text)
        if fp:
            names.append(fp.group(1))
            continue
        text = re.sub(r'\[[^\]]*\]', '', text)
        text = re.sub(r'@<\w+>', '', text)
        ws = re.findall(r'\w+', text)
        if len(ws) >= 2:
            names.append(ws[-1])
    return names


def struct_fields(body):
    fields = []
    for decl in body.split(';'):
        decl = decl.strip()
        if not decl:
            continue
        fp = re.search(r'\(\s*\*\s*(\w+)\s*\)', decl)
        if fp:
            fields.append(fp.group(1))
            continue
        decl = re.sub(r'\[[^\]]*\]|:\s*\d+', '', decl)
        parts = decl.split(',')
        first = re.findall(r'\w+', parts[0])
        if first:
            fields.append(first[-1])
        for extra in parts[1:]:
            ws = re.findall(r'\w+', extra)
            if ws:
                fields.append(ws[-1])
    return fields


def matching(code, open_pos):
    """Index of the bracket closing the one at open_pos."""
    pairs = {'(': ')', '[': ']', '{': '}'}
    depth = 0
    for i in range(open_pos, len(code)):
        c = code[i]
        if c in '([{':
            depth += 1
        elif c in ')]}':
            depth -= 1
            if depth == 0:
                return i
    return len(code)


def split_top(code, start, end):
    """The comma-separated parts of code[start:end], at nesting 0."""
    parts, depth, s = [], 0, start
    for i in range(start, end):
        c = code[i]
        if c in '([{':
            depth += 1
        elif c in ')]}':
            depth -= 1
        elif c == ',' and depth == 0:
            parts.append((s, i))
            s = i + 1
    if code[s:end].strip():
        parts.append((s, end))
    return parts


CAST_RE = re.compile(r'^\s*\(\s*(?:const\s+|unsigned\s+|struct\s+)*\w+\s*\**\s*(?:const\s*)?\)\s*')
ESCAPES = {'n': '\n', 't': '\t', '\\': '\\', '"': '"', "'": "'", '0': '\0'}


def literal(cf, start, end, defines):
    """The string an argument spells, if it is a literal (after casts), or a
    macro whose body is one; else None."""
    code, clean = cf.code[start:end], cf.clean[start:end]
    while True:
        m = CAST_RE.match(code)
        if not m or not code[m.end():].strip():
            break
        code, clean = code[m.end():], clean[m.end():]
    stripped = code.strip()
    if re.fullmatch(r'(?:"_*"\s*)+', stripped):
        out = []
        for m in re.finditer(r'"((?:\\.|[^"\\])*)"', clean):
            out.append(re.sub(r'\\(.)', lambda e: ESCAPES.get(e.group(1), e.group(1)),
                              m.group(1)))
        return ''.join(out)
    if re.fullmatch(r'\w+', stripped) and stripped in defines:
        body = defines[stripped].strip()
        if re.fullmatch(r'"[^"\\]*"', body):
            return body[1:-1]
    return None


# ---------------------------------------------------------------------------
# Extraction over one source


class Extraction:
    def __init__(self, source):
        self.source = source
        self.regs = []          # dicts: word, kind, file, function, via, line, rank
        self.not_expanded = []  # (pattern, file, function, note)
        self.skipped = collections.Counter()  # (file, 'comment'|'if0') -> calls
        self.hidden_words = []  # (word, file, function, how) in comments / #if 0
        self.tables_used = []   # (table, file, walker, walker file, words)
        self.names_read = collections.defaultdict(list)  # literal -> [(file, function)]
        self.funcs_seen = collections.Counter()
        self.candidates = collections.Counter()
        self.cfiles = {}
        # Fragments (.inc) are read where a file includes them; one that no file
        # read includes is taken as the body of the table named like it
        # (cg_cvar_table.inc: cg_cvarTable).
        included = set()
        for path, text in sorted(source.files.items()):
            if path.endswith(('.inc', '.inl')):
                continue
            self.cfiles[path] = CFile(path, self._inline(path, text, included))
        self.fragments = {}
        for path, text in sorted(source.files.items()):
            if path.endswith(('.inc', '.inl')) and path not in included:
                stem = re.sub(r'\W', '_', os.path.basename(path).rsplit('.', 1)[0])
                cf = CFile(path, stem + '[] = {' + text + '\n};\n')
                self.cfiles[path] = cf
                if stem in cf.tables:
                    self.fragments[stem.replace('_', '').lower()] = (cf, cf.tables[stem])
        self.defines = {}
        self.tables = collections.defaultdict(list)
        for path, cf in self.cfiles.items():
            for k, v in cf.defines.items():
                self.defines.setdefault(k, v)
            for name, b in cf.tables.items():
                self.tables[name].append((cf, b))
        self.structs = {}
        for cf in self.cfiles.values():
            for k, v in cf.structs.items():
                self.structs.setdefault(k, v)
        for path, cf in self.cfiles.items():
            self._file(cf)

    def _inline(self, path, text, included):
        def one(m):
            want = os.path.normpath(os.path.join(os.path.dirname(path), m.group(1)))
            want = want.replace(os.sep, '/')
            hit = want if want in self.source.files else next(
                (p for p in self.source.files if p.endswith('/' + m.group(1).lstrip('./'))), None)
            if not hit:
                return m.group()
            included.add(hit)
            return self.source.files[hit]
        return INCLUDE_RE.sub(one, text) if '#' in text else text

    # -- the calls
    def _file(self, cf):
        for pos, text in cf.comments:
            self._hidden(cf, pos, text, 'comment')
        for pos, text in cf.dead_spans:
            self._hidden(cf, pos, text, 'if0')
        decompiled = 'Hex-Rays' in self.source.files[cf.path][:400]
        # names like the registration functions' that are not among them, to review
        for m in CANDIDATE_RE.finditer(cf.code):
            if not CALL_RE.match(m.group()) and cf.block_at(m.start()):
                self.candidates[m.group(1)] += 1
        calls = [(m.start(), m.end() - 1, m.group(1)) for m in CALL_RE.finditer(cf.code)]
        # the modules' system calls: cgame_syscall(CG_ADD_COMMAND, "kill")
        calls += [(m.start(), m.start() + m.group().index('('), m.group(2))
                  for m in SYSCALL_RE.finditer(cf.code)]
        for start, open_pos, func in sorted(calls):
            if NOT_REGISTRATION_RE.search(func):
                continue
            block = cf.block_at(start)
            if not block or block['kind'] not in ('function', 'other'):
                continue  # a declaration or a prototype
            close = matching(cf.code, open_pos)
            args = split_top(cf.code, open_pos + 1, close)
            if not args or PROTOTYPE_ARG_RE.match(cf.code[args[0][0]:args[0][1]]):
                continue  # none, or a declaration inside a function
            idx = name_index(func)
            if decompiled and func.startswith('Dvar_Register') and len(args) > 1 \
                    and literal(cf, *args[0], self.defines) is None \
                    and literal(cf, *args[1], self.defines) is not None:
                idx = 1  # Hex-Rays passes the x87 stack first: Dvar_RegisterFloat(a1, "name"...)
            if idx >= len(args):
                continue
            self.funcs_seen[func] += 1
            fname = block['name']
            word = literal(cf, *args[idx], self.defines)
            if word is not None:
                self._add(word, func, cf, fname, 'call', start)
                continue
            self._resolve(cf, block, func, args[idx], start)
        self._asm(cf)
        # every other string literal, for telling why a word is missing
        for m in re.finditer(r'"((?:\\.|[^"\\\n])*)"', cf.clean):
            s = m.group(1)
            if 0 < len(s) < 64 and re.fullmatch(r'[+\-]?[A-Za-z_][\w.]*', s):
                b = cf.block_at(m.start())
                self.names_read[s.lower()].append((cf.path, b['name'] if b else '-'))

    def _asm(self, cf):
        """Registration calls of inline assembly: the name is the annotated string
        moved to the stack slot of the name argument since the previous call."""
        text = self.source.files[cf.path]
        if 'call' not in text:
            return
        last = 0
        for m in ASM_CALL_RE.finditer(text):
            func, prev, last = m.group(1), last, m.end()
            if not CALL_NAME_RE.match(func) or NOT_REGISTRATION_RE.search(func):
                continue
            if cf.clean[m.start()] != '"':
                continue  # in a comment or under #if 0
            block = cf.block_at(m.start())
            if not block or block['kind'] not in ('function', 'other'):
                continue
            self.funcs_seen[func + ' (asm)'] += 1
            slot = 4 * name_index(func)
            word = None
            for a in ASM_ARG_RE.finditer(text, max(prev, block['start']), m.start()):
                if int(a.group(1) or '0', 0) == slot:
                    word = a.group(2)
            if word is None:
                self.not_expanded.append((f'asm call of {func}', cf.path, block['name'],
                                          'no annotated string operand'))
                continue
            self._add(word, func, cf, block['name'], 'asm', m.start())

    def _hidden(self, cf, pos, text, how):
        for m in CALL_RE.finditer(text):
            func = m.group(1)
            if NOT_REGISTRATION_RE.search(func):
                continue
            # a registration call: its name (a literal among its first two arguments)
            args = text[m.end():m.end() + 300]
            before = text[max(0, text.rfind('\n', 0, m.start()) + 1):m.start()]
            if PROTOTYPE_BEFORE_RE.search(before) or PROTOTYPE_ARG_RE.match(args):
                continue  # a declaration in a comment, not code
            lm = re.match(r'\s*(?:\([\w\s*]*\)\s*)?(?:[\w&>.\-\[\]()]*\s*,\s*)?"([^"\n]*)"', args)
            if not lm and not re.match(r'\s*[\w&"(]', args):
                continue
            self.skipped[(cf.path, how)] += 1
            if lm:
                b = cf.block_at(pos + m.start())
                self.hidden_words.append((lm.group(1), kind_of(func, lm.group(1)), cf.path,
                                          b['name'] if b else '-', how))

    def _add(self, word, func, cf, fname, via, pos):
        word = word.strip()
        if not word or re.search(r'\s', word):
            self.not_expanded.append((repr(word), cf.path, fname, 'not a word'))
            return
        self.regs.append(dict(word=word, kind=kind_of(func, word), file=cf.path,
                              function=fname, via=via, line=cf.line_of(pos),
                              rank=path_rank(cf.path), module=module_of(cf.path)))

    # -- names that are not literals
    def _resolve(self, cf, block, func, arg, pos):
        code = cf.code[arg[0]:arg[1]].strip()
        clean = cf.clean[arg[0]:arg[1]].strip()
        while True:
            mm = CAST_RE.match(code)
            if not mm:
                break
            code, clean = code[mm.end():].strip(), clean[mm.end():].strip()
        fname = block['name']
        body_start = block['start']
        # a table walked by a loop: table[i].field, p->field, (*p).field, table[i]
        t = re.fullmatch(r'\(?\s*\*?\s*(\w+)\s*\)?\s*(?:\[[^\]]*\])?\s*(?:(?:->|\.)\s*(\w+))?', code)
        if t and (t.group(2) or '[' in code):
            tables = self._tables_for(cf, block, t.group(1), pos)
            if isinstance(tables, str):
                self.not_expanded.append((re.sub(r'\s+', ' ', clean), cf.path, fname,
                                          f'the table {tables} is not in the files read'))
                return
            if tables:
                for tcf, tb in tables:
                    words = self._table_words(tcf, tb, t.group(2))
                    self.tables_used.append((tb['name'], tcf.path, fname, cf.path, len(words)))
                    for w, wpos in words:
                        self._add(w, func, tcf, tb['name'], 'table', wpos)
                return
        # va("fmt", ...) or a buffer that sprintf filled
        fmt = None
        v = re.fullmatch(r'(?:va|Com_va|va_string|Q_va)\s*\((.*)\)', code, re.S)
        if v:
            off = arg[0] + (len(cf.code[arg[0]:arg[1]]) - len(cf.code[arg[0]:arg[1]].lstrip()))
            off += len(cf.code[arg[0]:arg[1]].strip()) - len(code)
            inner = off + code.index('(') + 1
            parts = split_top(cf.code, inner, inner + len(v.group(1)))
            if parts:
                f0 = literal(cf, *parts[0], self.defines)
                if f0 is not None:
                    fmt = (f0, [cf.clean[a:b].strip() for a, b in parts[1:]])
        elif re.fullmatch(r'\w+', code) and code not in block.get('params', []):
            fmt = self._sprintf_before(cf, body_start, pos, code)
        if fmt is not None:
            words = self._expand(cf, block, pos, fmt[0], fmt[1])
            if words is not None:
                for w in words:
                    self._add(w, func, cf, fname, 'loop', pos)
                return
            self.not_expanded.append((fmt[0], cf.path, fname, 'name built at run time'))
            return
        note = 'name not known until run time'
        if re.fullmatch(r'\w+', code):
            if code in block.get('params', []):
                note = 'name passed in by the caller'
            else:
                # a name read from a table through local variables
                src = self._assigned_from(cf, block, pos, code)
                tables = [(c, b) for n in src for c, b in self.tables.get(n, [])[:1]]
                if tables:
                    for tcf, tb in tables:
                        words = self._table_words(tcf, tb, None)
                        self.tables_used.append((tb['name'], tcf.path, fname, cf.path,
                                                 len(words)))
                        for w, wpos in words:
                            self._add(w, func, tcf, tb['name'], 'table', wpos)
                    return
                empty = [n for n in src if re.search(r'\b' + re.escape(n) + r'\s*\[[^\]]*\]\s*;',
                                                       cf.code)]
                if empty:
                    note = f'read from {empty[0]}, whose entries the source leaves out'
        self.not_expanded.append((re.sub(r'\s+', ' ', clean), cf.path, fname, note))

    def _assigned_from(self, cf, block, pos, var, depth=0):
        """The identifiers a local variable is assigned from (and theirs)."""
        out = []
        body = cf.code[block['start']:pos]
        for m in re.finditer(r'(?<![\w.>])' + re.escape(var) + r'\s*=(?!=)\s*([^;]*);', body):
            for n in re.findall(r'[A-Za-z_]\w*', m.group(1)):
                if n in out or n == var or n in KEYWORDS:
                    continue
                out.append(n)
                if depth < 2:
                    out += [x for x in self._assigned_from(cf, block, pos, n, depth + 1)
                            if x not in out]
        return out

    def _tables_for(self, cf, block, base, pos):
        """The tables a loop reads through base: base itself, what it is assigned
        from in the function, or (for a pointer handed in) every table of its type.
        A name that is assigned from but not found is returned as a string."""
        def known(name):
            if name not in self.tables:
                frag = self.fragments.get(name.replace('_', '').lower())
                return [(frag[0], dict(frag[1], name=name))] if frag else []
            same = [(c, b) for c, b in self.tables[name] if c is cf]
            return same or self.tables[name][:1]
        found = known(base)
        if found:
            return found
        body = cf.code[block['start']:pos]
        sources = [m.group(1) for m in
                   re.finditer(r'(?<![\w.>])' + re.escape(base) + r'\s*=(?!=)\s*&?\s*(\w+)', body)]
        for name in sources:
            found = known(name)
            if found:
                return found
        if sources:
            return sources[0]
        if base not in block.get('params', []):
            return []
        # a pointer handed in: every table of its type in the source
        decl = re.search(r'(\w+)\s*\*\s*(?:const\s+)?' + re.escape(base) + r'\b', block['header'])
        out = []
        if decl and decl.group(1) in self.structs:  # a struct's, not int *args
            for name, lst in sorted(self.tables.items()):
                out += [(c, b) for c, b in lst if b.get('type') == decl.group(1)]
        return out

    def _table_words(self, cf, tb, field):
        """The names of a table's entries: the field's place in the struct, or
        the first literal of an entry; a table of plain literals if no field."""
        fields = self.structs.get(tb.get('type', ''))
        index = fields.index(field) if fields and field in fields else None
        out = []
        start, end = tb['start'] + 1, tb['end']
        for a, b in split_top(cf.code, start, end):
            item = cf.code[a:b].strip()
            if not item:
                continue
            lead = a + (len(cf.code[a:b]) - len(cf.code[a:b].lstrip()))
            if cf.code[lead] != '{':  # a table of names, or of macros that make entries
                w = literal(cf, a, b, self.defines)
                mc = re.match(r'\s*\w+\s*\(', cf.code[a:b])
                if w is None and mc:
                    o = a + mc.end() - 1
                    for pa, pb in split_top(cf.code, o + 1, matching(cf.code, o)):
                        w = literal(cf, pa, pb, self.defines)
                        if w is not None:
                            break
                if w is not None:
                    out.append((w, lead))
                continue
            close = matching(cf.code, lead)
            parts = split_top(cf.code, lead + 1, close)
            w = None
            for pa, pb in parts:  # designated .field = "name"
                dm = re.match(r'\s*\.\s*(\w+)\s*=', cf.code[pa:pb])
                if dm and dm.group(1) == field:
                    w = literal(cf, pa + dm.end(), pb, self.defines)
                    break
            else:
                if index is not None and index < len(parts):
                    w = literal(cf, *parts[index], self.defines)
                elif index is None:
                    for pa, pb in parts:
                        w = literal(cf, pa, pb, self.defines)
                        if w is not None:
                            break
            if w is not None:
                out.append((w, lead))
        return out

    def _sprintf_before(self, cf, start, pos, buf):
        best = None
        rx = re.compile(r'\b(Com_sprintf|Q_snprintf|snprintf|_snprintf|sprintf|sprintf_s|'
                        r'Com_sprintf_s|I_strncpyz)\s*\(\s*' + re.escape(buf) + r'\s*,')
        for m in rx.finditer(cf.code, start, pos):
            best = m
        if not best:
            return None
        close = matching(cf.code, best.end() - len(best.group()) + best.group().index('('))
        parts = split_top(cf.code, best.start() + best.group().index('(') + 1, close)
        for k in range(1, min(3, len(parts))):
            f0 = literal(cf, *parts[k], self.defines)
            if f0 is not None:
                return (f0, [cf.clean[a:b].strip() for a, b in parts[k + 1:]])
        return None

    def _constant(self, text):
        """An integer expression of literals and #defines, or None."""
        text = text.strip()
        for _ in range(6):
            if re.fullmatch(r'[\d\s+\-*/()]+', text):
                try:
                    return int(eval(text, {'__builtins__': {}}))
                except Exception:
                    return None
            new = re.sub(r'\b[A-Za-z_]\w*\b',
                         lambda m: '(' + self.defines[m.group()] + ')'
                         if m.group() in self.defines else m.group(), text)
            if new == text:
                return None
            text = new
        return None

    def _expand(self, cf, block, pos, fmt, args):
        if '%' not in fmt:
            return [fmt]
        body = cf.code[block['start']:pos]
        loops = list(re.finditer(r'\bfor\s*\(', body))
        for lm in reversed(loops):
            o = block['start'] + lm.end() - 1
            close = matching(cf.code, o)
            header = cf.code[o + 1:close]
            parts = header.split(';')
            if len(parts) != 3:
                continue
            init = re.search(r'(\w+)\s*=\s*([^,]+)', parts[0])
            if not init:
                continue
            var = init.group(1)
            # the call must be inside this loop
            after = close + 1
            nxt = re.match(r'\s*', cf.code[after:]).end() + after
            if cf.code[nxt:nxt + 1] == '{':
                end = matching(cf.code, nxt)
            else:
                end = cf.code.find(';', nxt)
            if not (nxt <= pos <= end):
                continue
            if not any(re.search(r'\b' + var + r'\b', a) for a in args):
                continue
            cond = re.fullmatch(r'\s*' + var + r'\s*(<=|<)\s*(.+?)\s*', parts[1])
            if not cond:
                return None
            lo = self._constant(init.group(2))
            hi = self._constant(cond.group(2))
            if lo is None or hi is None or hi - lo > 1000:
                return None
            if cond.group(1) == '<=':
                hi += 1
            pyfmt = re.sub(r'%(-?\d*)[iu]', r'%\1d', fmt)
            out = []
            for value in range(lo, hi):
                vals = []
                for a in args:
                    e = re.sub(r'\b' + var + r'\b', str(value), a)
                    c = self._constant(e)
                    if c is None:
                        return None
                    vals.append(c)
                try:
                    out.append(pyfmt % tuple(vals))
                except (TypeError, ValueError):
                    return None
            return out
        return None


# ---------------------------------------------------------------------------
# Tables


def row_key(word, kind):
    return (word.lower(), kind)


class GameTable:
    def __init__(self, key, plan, extractions, sources, tables):
        self.key, self.plan = key, plan
        self.rows = {}              # (lower word, kind) -> reg
        self.extra = collections.Counter()   # duplicate registrations
        self.functions = collections.OrderedDict()  # (repo, file, function) -> words
        self.missing = []           # (module, why)
        self.header = []
        regs = []
        for order, skey in enumerate(plan['sources']):
            ex = extractions[skey]
            for r in ex.regs:
                regs.append(dict(r, repo=sources[skey].repo, order=order))
        present = {r['module'] for r in regs}
        self.present = present
        files = collections.Counter(module_of(p) for skey in plan['sources']
                                    for p in sources[skey].files)
        rebuilds = ', '.join(sources[s].repo for s in plan['sources'])
        partial = any(sources[s].kind == 'folder' and not sources[s].done
                      for s in plan['sources'])
        unread = any(sources[s].not_read for s in plan['sources'])
        fallback_rows = []
        fb = plan['fallback']
        for module in plan['modules']:
            if module in present:
                continue
            if files[module]:
                n = files[module]
                why = f'the {n} file{"s" if n > 1 else ""} of it read from {rebuilds}' \
                    f' register{"" if n > 1 else "s"} no words'
            else:
                why = f'no file of it was read from {rebuilds}' + (
                    ' (a mirror was still being copied)' if partial else
                    ' (see not-read)' if unread else '')
            if fb and fb[0] == 'source':
                fsrc = sources[fb[1]]
                got = [dict(r, repo=fsrc.repo, order=90) for r in extractions[fb[1]].regs
                       if r['module'] == module and r['rank'] == 0]
                fallback_rows += got
                n = len({row_key(r['word'], r['kind']) for r in got})
                self.missing.append((module, f"{why}; its {n} words are Quake III's"
                                             f' ({fsrc.repo})'))
            elif fb and fb[0] == 'game':
                other = tables[fb[1]]
                got = [dict(r, order=90) for r in other.rows.values()
                       if r['module'] == module]
                fallback_rows += got
                self.missing.append((module, f'{why}; its {len(got)} words are the rows of'
                                             f' {GAMES[fb[1]]["out"]} ({GAMES[fb[1]]["title"]})'
                                             ' for it'))
            else:
                self.missing.append((module, f'{why}; its words come only from the hand-added'
                                             ' sections'))
        regs += fallback_rows
        regs.sort(key=lambda r: (r['order'], r['rank'], r['file'], r['line']))
        seen_fn = set()
        for r in regs:
            fk = (r['repo'], r['file'], r['function'])
            self.functions.setdefault(fk, set()).add(row_key(r['word'], r['kind']))
            k = row_key(r['word'], r['kind'])
            if k in self.rows:
                if (fk, k) not in seen_fn:
                    self.extra[k] += 1
            else:
                self.rows[k] = r
            seen_fn.add((fk, k))
        self.hand = []  # (word, kind, reason)

    def add_hand(self, hand_rows):
        self.hand_found = []
        for word, kind, reason in hand_rows:
            k = row_key(word, kind)
            if k in self.rows:
                self.hand_found.append(word)
            elif k not in {row_key(w, kd) for w, kd, _ in self.hand}:
                self.hand.append((word, kind, reason))


def write_table(path, game, sources, extractions, note_incomplete):
    plan = game.plan
    out = []
    out.append(f"# {plan['title']}'s console words, made by checker/words/extract.py from the engine"
               " rebuilds; do not edit.")
    used = list(plan['sources'])
    if plan['fallback'] and plan['fallback'][0] == 'source' and \
            any(m for m, _ in game.missing):
        used.append(plan['fallback'][1])
    for skey in used:
        out.append(f'# source {sources[skey].repo} {sources[skey].describe()}')
    for skey in used:
        s = sources[skey]
        if s.kind == 'folder' and not s.done:
            why = note_incomplete.get(skey) or 'the mirror had no DONE file when this ran'
            listing = (f'; its files are listed by {os.path.relpath(s.manifest_used, s.path)}'
                       if s.manifest_used else '; no list of its files, so none is named not-read')
            out.append(f'# incomplete {s.repo}: {why}; {len(s.files)} source files read{listing}')
    if plan['fallback'] and plan['fallback'][0] == 'game':
        out.append(f"# source {GAMES[plan['fallback'][1]]['out']} (the rows of the modules this"
                   " game's rebuild lacks)")
    out.append('# columns: word, kind (command, input or variable), repo:file, function (or table)')
    kept = collections.Counter((r['repo'], r['file'], r['function']) for r in game.rows.values())
    for (repo, file, fn), words in game.functions.items():
        n = kept[(repo, file, fn)]
        out.append(f'# function {fn} {repo}:{file} {len(words)}'
                   + (f' ({n} rows name it; the others name an earlier place)'
                      if n != len(words) else ''))
    for skey in used:
        ex = extractions[skey]
        for t, tfile, walker, wfile, n in ex.tables_used:
            out.append(f'# table {t} {sources[skey].repo}:{tfile} walked by {walker}'
                       f' ({wfile}): {n} words')
    for module, why in game.missing:
        out.append(f'# missing {module}: {why}')
    if not game.missing and plan['fallback']:
        other = sources[plan['fallback'][1]].repo if plan['fallback'][0] == 'source' \
            else GAMES[plan['fallback'][1]]['out']
        out.append(f"# missing none: every module ({', '.join(plan['modules'])}) has words in"
                   f' the files read, so none comes from {other}')
    for skey in used:
        s = sources[skey]
        folders = collections.OrderedDict()
        for p, why in s.not_read:
            folders.setdefault((why, os.path.dirname(p)), []).append(p)
        for (why, d), paths in folders.items():
            out.append(f'# not-read {s.repo} ({why}): ' + ' '.join(paths))
    for skey in used:
        ex = extractions[skey]
        for pat, f, fn, note in sorted(set(ex.not_expanded)):
            out.append(f'# not-expanded {pat} {sources[skey].repo}:{f} {fn} ({note})')
    for skey in used:
        ex = extractions[skey]
        com = sum(n for (f, h), n in ex.skipped.items() if h == 'comment')
        if0 = sum(n for (f, h), n in ex.skipped.items() if h == 'if0')
        only = sorted({w for w, k, f, fn, hw in ex.hidden_words
                       if row_key(w, k) not in game.rows})
        out.append(f'# skipped {sources[skey].repo}: {com} registration calls in comments,'
                   f' {if0} under #if 0; words of them registered nowhere else: '
                   + (' '.join(only) if only else 'none'))
        for (f, h), n in sorted(ex.skipped.items()):
            words = sorted({w for w, k, hf, fn, hw in ex.hidden_words if hf == f and hw == h})
            shown = ' '.join(words[:12]) + (' ...' if len(words) > 12 else '')
            out.append(f'# skipped {sources[skey].repo}:{f} {n}'
                       f' {"commented out" if h == "comment" else "under #if 0"}'
                       + (f': {shown}' if shown else ''))
    for module, what in ADDON_MODULES.items():
        n = sum(1 for r in game.rows.values() if r['module'] == module)
        if n:
            out.append(f'# add-on {module}: {n} rows come from {what}')
    dup = sum(game.extra.values())
    out.append(f'# duplicates: {len(game.extra)} words are registered in more than one place'
               f' ({dup} further registrations); each row names the first, by source order'
               f' ({", ".join(sources[s].repo for s in plan["sources"])}), the rebuilt code'
               ' before decompiler dumps, then path')
    rows = sorted(game.rows.values(), key=lambda r: (r['word'].lower(), r['kind'], r['word']))
    for r in rows:
        out.append(f"{r['word']}\t{r['kind']}\t{r['repo']}:{r['file']}\t{r['function']}")
    if game.hand_found:
        out.append(f'# hand-added.tsv rows now found by the extraction: {len(game.hand_found)}')
    groups = collections.OrderedDict()
    for word, kind, reason in sorted(game.hand, key=lambda h: (h[2], h[0].lower(), h[1])):
        groups.setdefault(reason, []).append((word, kind))
    for reason, items in groups.items():
        out.append(f'# hand-added: {reason}')
        for word, kind in items:
            out.append(f'{word}\t{kind}\t-\thand-added')
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(out) + '\n')


# ---------------------------------------------------------------------------
# gamewords.cpp's lists (the one-off --hand-from) and hand-added.tsv

# What each list's comment says its words come from, shortly: the reason of a
# word the rebuilds lack. Per list; a game's own entry overrides.
LIST_REASONS = {
    'cod2Commands': "in gamewords.cpp's list of voron00/CoD2rev_Server's Cmd_Init, Com_Init,"
                    ' Dvar_AddCommands and SV_AddOperatorCommands',
    'cod2ClientCommands': 'bound by the stock config_mp.cfg that COD 2 writes (luka-kusulja/CoD2x'
                          " bin/windows/main/players/default/config_mp.cfg), or Quake III's"
                          ' console commands (Con_Init)',
    'codCgameCommands': {
        'cod2': "COD 1.1's cgame commands (PrawyCoD1/opencod1 src/cgame_mp/cg_consolecmds_mp.c),"
                " which COD 2 keeps; cod2-mp-macho leaves its table out",
        'uo': "COD 1.1's cgame commands (PrawyCoD1/opencod1 src/cgame_mp/cg_consolecmds_mp.c),"
              " which United Offensive keeps",
        '*': "COD 1.1's cgame commands (PrawyCoD1/opencod1 src/cgame_mp/cg_consolecmds_mp.c)"},
    'codInputCommands': "COD 1.1's input commands (CL_InitInput in PrawyCoD1/opencod1"
                        ' src/client_mp/cl_input_mp.c)',
    'masterServerVariables': "sv_master1 to sv_master5 of Quake III's SV_Init"
                             ' (MAX_MASTER_SERVERS), which COD and COD 2 keep',
    'unitedOffensiveCommands': "United Offensive's commands (opencoduo/coduomp, cgame's checked"
                               ' against uo_cgame_mp_x86.dll)',
    'unitedOffensiveVariables': "United Offensive's server and version variables"
                                ' (opencoduo/coduomp SV_Init, Com_Init)',
    'fileSystemVariables': "the file system's variables of Quake III's FS_Startup"
                           ' (code/qcommon/files.c), which COD and COD 2 keep',
    'quake3Commands': 'bound by the config_mp.cfg that COD 1.1 wrote (gasperv/cod1)',
    'cod2Variables': 'saved by the stock config_mp.cfg that COD 2 writes (luka-kusulja/CoD2x'
                     ' bin/windows/main/players/default/config_mp.cfg)',
    'quake3Variables': "Quake III's renderer and game movement variables, which COD keeps",
    'codVariables': 'saved by a config_mp.cfg that COD 1.1 wrote (gasperv/cod1)',
    'codCgameVariables': {
        'uo': "COD 1.1's cgame cvarTable (PrawyCoD1/opencod1 src/cgame_mp/cg_main_mp.c), which"
              ' United Offensive keeps',
        '*': "COD 1.1's cgame cvarTable (PrawyCoD1/opencod1 src/cgame_mp/cg_main_mp.c)"},
}
# Lists whose comment says some of their words are those of Quake III's functions:
# a word one of them registers is given as such.
QUAKE3_LISTS = {
    'quake3Commands': ('Cmd_Init', 'Com_Init', 'Cvar_Init', 'CL_Init', 'CL_InitInput',
                       'CL_InitKeyCommands', 'Con_Init', 'SV_AddOperatorCommands'),
    'quake3Variables': ('R_Register', 'gameCvarTable'),
    'codVariables': ('Com_Init', 'CL_Init', 'SV_Init'),
    'fileSystemVariables': ('FS_Startup',),
    'masterServerVariables': ('SV_Init',),
}


def read_gamewords(path):
    """{game: [(list name, 'command'|'variable', [words])]} from gamewords.cpp."""
    with open(path, encoding='utf-8') as f:
        text = f.read()
    lists = {}
    for m in re.finditer(r'constexpr\s+QStringView\s+(\w+)\s*=\s*((?:\s*u(?:R"\((?:.*?)\)"|"[^"]*"))+)\s*;',
                         text, re.S):
        parts = re.findall(r'R"\((.*?)\)"|"([^"]*)"', m.group(2), re.S)
        body = ''.join(a or b for a, b in parts)
        lists[m.group(1)] = body.split()
    games = {}
    for m in re.finditer(r'static\s+const\s+GameWords\s+(\w+)\s*\{\s*\{([^}]*)\}\s*,\s*\{([^}]*)\}',
                         text, re.S):
        game = GAMEWORDS_GAMES.get(m.group(1))
        if not game:
            continue
        games[game] = []
        for kind, names in (('command', m.group(2)), ('variable', m.group(3))):
            for n in re.findall(r'\w+', names):
                games[game].append((n, kind, lists.get(n, [])))
    return games


def list_kind(kind, word):
    return ('input' if word[:1] in '+-' and len(word) > 1 else 'command') \
        if kind == 'command' else 'variable'


def hand_reason(list_name, game, word, kind, extractions, plan, sources):
    """The list's reason, or what the sources show: registered only in code that
    is commented out, named (compared, read) but not registered by the rebuild,
    or registered by Quake III where the list's comment says its words are."""
    lw = word.lower()
    for skey in plan['sources']:
        if any(w.lower() == lw and k == kind for w, k, f, fn, how in
               extractions[skey].hidden_words):
            return f'registered only in commented-out or #if 0 code of {sources[skey].repo}'
    for skey in plan['sources']:
        if any(path_rank(f) == 0 for f, fn in extractions[skey].names_read.get(lw, [])):
            return (f'named by {sources[skey].repo} (compared or read by name) but not'
                    ' registered there')
    fns = QUAKE3_LISTS.get(list_name, ())
    if any(r['word'].lower() == lw and r['kind'] == kind and r['function'] in fns
           for r in extractions['quake3'].regs):
        names = ', '.join(fns[:-1]) + ' or ' + fns[-1] if len(fns) > 1 else fns[0]
        return (f"registered by Quake III's {names} (id-Software/Quake-III-Arena), whose code"
                f" {plan['name']} keeps")
    r = LIST_REASONS.get(list_name, 'in gamewords.cpp')
    if isinstance(r, dict):
        r = r.get(game, r['*'])
    return r


def load_hand(path):
    rows = collections.defaultdict(list)
    if not os.path.exists(path):
        return rows
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            cols = line.split('\t')
            if len(cols) >= 4:
                rows[cols[0]].append((cols[1], cols[2], cols[3]))
    return rows


def write_hand(path, rows):
    out = ['# Words the retail games have but the engine rebuilds do not register, kept by hand;',
           '# checker/words/extract.py adds them to the tables in hand-added sections.',
           '# First made from the hand lists of checker/gamewords.cpp (extract.py --hand-from).',
           '# game\tword\tkind\treason']
    for game in ('cod2', 'cod', 'uo'):
        for word, kind, reason in sorted(rows.get(game, []),
                                         key=lambda r: (r[2], r[0].lower(), r[1])):
            out.append(f'{game}\t{word}\t{kind}\t{reason}')
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(out) + '\n')


# ---------------------------------------------------------------------------


SPOT_CHECKS = {
    'cod2': {'words': ['jump_height', 'player_backSpeedScale', 'friction', 'cl_nodelta',
                       'loc_language'],
             'functions': ['BG_RegisterDvars', 'Jump_RegisterDvars', 'Mantle_RegisterDvars',
                           'Netchan_Init', 'FS_AddCommands', 'FS_RegisterDvars',
                           'SEH_InitLanguage', 'UI_Init']},
    'cod': {'words': [],
            'functions': ['R_Register', 'CL_Init', 'Com_Init', 'SV_Init',
                          'SV_AddOperatorCommands', 'gameCvarTable']},
    'uo': {'words': [], 'functions': []},
}


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--source', action='append', default=[], metavar='KEY=PATH',
                    help='where a source is (a git directory or a mirror folder); keys: '
                         + ', '.join(k for k, _, _ in SOURCES))
    ap.add_argument('--out', default=HERE, help='folder for the tables (default: this folder)')
    ap.add_argument('--hand', default=os.path.join(HERE, 'hand-added.tsv'))
    ap.add_argument('--hand-from', metavar='GAMEWORDS_CPP',
                    help='one-off: (re)make hand-added.tsv from the lists of gamewords.cpp that'
                         ' the extraction does not find')
    ap.add_argument('--compare', metavar='GAMEWORDS_CPP',
                    help="report how many words of gamewords.cpp's lists are found")
    ap.add_argument('--manifest', action='append', default=[], metavar='KEY=PATH',
                    help="a mirror's list of files (path<TAB>commit...) to use while it has no"
                         ' MANIFEST.tsv')
    ap.add_argument('--incomplete-note', action='append', default=[], metavar='KEY=TEXT',
                    help='say in the header why a mirror without DONE was read as it was')
    ap.add_argument('-q', '--quiet', action='store_true')
    opts = ap.parse_args()

    places = {k: p for k, _, p in SOURCES}
    for s in opts.source:
        k, _, p = s.partition('=')
        places[k] = p
    notes = dict(n.partition('=')[::2] for n in opts.incomplete_note)
    manifests = dict(n.partition('=')[::2] for n in opts.manifest)
    sources, extractions = {}, {}
    for k, repo, _ in SOURCES:
        src = Source(k, repo, places[k])
        src.manifest = manifests.get(k)
        src.load()
        sources[k] = src
        extractions[k] = Extraction(src)
        if not opts.quiet:
            print(f'{repo}: {len(src.files)} files read, {len(src.not_read)} not read,'
                  f' {len(extractions[k].regs)} registrations', file=sys.stderr)
            print('    calls: ' + ', '.join(f'{f} {n}' for f, n in
                                         sorted(extractions[k].funcs_seen.items())),
                  file=sys.stderr)
            if extractions[k].candidates:
                print('    similar names not read as registrations: ' + ', '.join(
                    f'{f} {n}' for f, n in sorted(extractions[k].candidates.items())),
                    file=sys.stderr)

    tables = {}
    for gkey in ('cod2', 'cod', 'uo'):
        tables[gkey] = GameTable(gkey, GAMES[gkey], extractions, sources, tables)

    gw_cache = {}

    def gamewords(path):
        if path not in gw_cache:
            gw_cache[path] = read_gamewords(path)
        return gw_cache[path]

    if opts.hand_from:
        gw = gamewords(opts.hand_from)
        hand = collections.defaultdict(list)
        for gkey, lists in gw.items():
            seen = set()
            for lname, lkind, words in lists:
                for w in words:
                    kind = list_kind(lkind, w)
                    k = row_key(w, kind)
                    if k in tables[gkey].rows or k in seen:
                        continue
                    seen.add(k)
                    hand[gkey].append((w, kind, hand_reason(lname, gkey, w, kind, extractions,
                                                            GAMES[gkey], sources)))
        write_hand(opts.hand, hand)

    os.makedirs(opts.out, exist_ok=True)
    hand = load_hand(opts.hand)
    for gkey, t in tables.items():
        t.add_hand(hand.get(gkey, []))
        write_table(os.path.join(opts.out, GAMES[gkey]['out']), t, sources, extractions, notes)

    if opts.quiet:
        return
    compare = opts.compare or opts.hand_from
    gw = gamewords(compare) if compare else {}
    for gkey, t in tables.items():
        print(f"\n== {GAMES[gkey]['out']} ({GAMES[gkey]['title']})")
        kinds = collections.Counter(k for _, k in t.rows)
        print('  extracted: ' + ', '.join(f'{n} {k}' for k, n in sorted(kinds.items()))
              + f'; hand-added: {len(t.hand)}')
        for module, why in t.missing:
            print(f'  missing {module}: {why}')
        print('  per function (words registered there):')
        for (repo, f, fn), words in t.functions.items():
            print(f'    {len(words):5d}  {fn}  {repo}:{f}')
        if gw.get(gkey):
            found = hand_n = 0
            for lname, lkind, words in gw[gkey]:
                for w in words:
                    if row_key(w, list_kind(lkind, w)) in t.rows:
                        found += 1
                    else:
                        hand_n += 1
            allw = {row_key(w, list_kind(lk, w)) for ln, lk, ws in gw[gkey] for w in ws}
            fw = sum(1 for k in allw if k in t.rows)
            print(f"  gamewords.cpp's lists: {len(allw)} distinct words, {fw} found by the"
                  f' extraction, {len(allw) - fw} hand-added')
        sc = SPOT_CHECKS.get(gkey, {})
        for w in sc.get('words', []):
            hits = [r for (lw, k), r in t.rows.items() if lw == w.lower()]
            print(f'  spot {w}: ' + (', '.join(f"{r['kind']} {r['function']} {r['file']}"
                                              for r in hits) or 'NOT FOUND'))
        for fn in sc.get('functions', []):
            hits = [(f, len(ws)) for (repo, f, name), ws in t.functions.items() if name == fn]
            print(f'  spot {fn}: ' + (', '.join(f'{n} words in {f}' for f, n in hits)
                                     or 'NOT FOUND'))


if __name__ == '__main__':
    main()
