#!/usr/bin/env python3
"""Writes the call table of one family's fuzz target from the public header.

Every declaration of include/zors.h is one line. For the family's folder (as
listed in api/exports.tsv) this emits:
  - for each object type the family's functions take: how it is made (every
    InitAlloc constructor) and released (its Free);
  - one ZF_ENTRY per work function: the function, its parameter names (the
    driver decodes each argument from the parameter's C type and name), and
    whether its buffers are all sized by `len` alone.
Constructors, Free, the caller-memory Init forms and functions that hand out
pointers into an object are not work functions.
"""
import re
import sys

header, inventory, family, out = sys.argv[1:5]

folder = {}
for line in open(inventory):
    parts = line.rstrip('\n').split('\t')
    if len(parts) >= 2:
        folder[parts[0]] = parts[1]

decl_re = re.compile(r'^ZORAPI (.*?)\b(zors?\w+)\((.*)\);')
param_re = re.compile(r'^(.*?)(\w+)(\[(\d+)\])?$')
decls = []
for line in open(header):
    m = decl_re.match(line)
    if not m:
        continue
    ret, name, args = m.group(1).strip(), m.group(2), m.group(3)
    params = []
    if args.strip() != 'void':
        for a in args.split(','):
            pm = param_re.match(a.strip())
            ctype = pm.group(1).strip()
            if pm.group(3):
                ctype += '*'
            params.append((ctype, pm.group(2), pm.group(4)))
    decls.append((ret, name, params))


def obj_type(ctype):
    m = re.search(r'\b(Zors\w+)\b', ctype)
    return m.group(1) if m else None


ctors, dtors = {}, {}
for ret, name, params in decls:
    for ctype, pname, _ in params:
        t = obj_type(ctype)
        if t and ctype.count('*') == 2 and 'InitAlloc' in name:
            ctors.setdefault(t, []).append((name, params))
    if 'Free' in name and len(params) == 1 and obj_type(params[0][0]):
        dtors[obj_type(params[0][0])] = name

# Plain element and enumeration types a driver can decode.
SIZE_ONLY_LEN = {'len'}
VECTOR_ROLES = {'pSrc', 'pSrc1', 'pSrc2', 'pDst', 'pSrcDst', 'pSrcRe', 'pSrcIm', 'pDstRe', 'pDstIm',
                'pDstMagn', 'pDstPhase', 'pSrcMagn', 'pSrcPhase'}
SCALAR_OUT = {'pMax', 'pMin', 'pSum', 'pMean', 'pNorm', 'pDp', 'pStdDev', 'pVal', 'pIndx', 'pMinIndx',
              'pMaxIndx', 'pOrder', 'pSize', 'pBufferSize', 'pStateSize'}

entries, used = [], set()
for ret, name, params in decls:
    if folder.get(name) != family or ret != 'ZorStatus' or not params:
        continue
    if name in dtors.values() or 'Init' in name or 'Pointer' in name:
        continue
    ok, objs = True, []
    for ctype, pname, _ in params:
        t = obj_type(ctype)
        if t:
            if ctype.count('*') != 1 or t not in ctors or t not in dtors:
                ok = False
            objs.append(t)
        elif ctype.count('*') > 1 or ctype.startswith('void'):
            ok = False
    if not ok:
        continue
    names = [p[1] + ('[%s]' % p[2] if p[2] else '') for p in params]
    ints = {p[1] for p in params if p[0] == 'int'}
    ptrs = {p[1] for p in params if p[0].endswith('*') and not obj_type(p[0])}
    # (A CCS spectrum of len points holds len + 2 values.)
    exact = ints == SIZE_ONLY_LEN and not objs and ptrs <= VECTOR_ROLES | SCALAR_OUT and 'Ccs' not in name
    # Names whose values size the buffers: the call's and its constructors'.
    sizing = set(p[1] for p in params)
    for t in objs:
        for _, cparams in ctors[t]:
            sizing |= {p[1] for p in cparams}
    used |= set(objs)
    entries.append((name, ' '.join(names), ' '.join(sorted(sizing)), exact))

with open(out, 'w') as f:
    f.write('// Generated from include/zors.h by fuzz/tables.py for the %s family.\n' % family)
    for t in sorted(used):
        f.write('template <> struct Obj<%s> {\n' % t)
        f.write('    static constexpr bool known = true;\n')
        f.write('    static void release(%s* p) { %s(p); }\n' % (t, dtors[t]))
        f.write('    static inline const Fn ctors[] = {\n')
        for cname, cparams in ctors[t]:
            f.write('        {"%s", "%s", &erased<decltype(&%s), &%s>},\n'
                    % (cname, ' '.join(p[1] for p in cparams), cname, cname))
        f.write('    };\n};\n')
    f.write('inline const Entry kEntries[] = {\n')
    for name, roles, sizing, exact in entries:
        f.write('    {"%s", "%s", "%s", %s, &erased<decltype(&%s), &%s>},\n'
                % (name, roles, sizing, 'true' if exact else 'false', name, name))
    f.write('};\n')
print('%s: %d entries, %d object types' % (family, len(entries), len(used)))
