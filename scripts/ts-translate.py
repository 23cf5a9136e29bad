#!/usr/bin/env python3
"""Works on a Linguist .ts file through a plain TSV, so translations can be
written in chunks without editing XML by hand.

  ts-translate.py list  FILE.ts [--all]   print id, context, comment, source
                                          (and the old translation, if any) of
                                          every entry not yet finished
  ts-translate.py apply FILE.ts TSV...    set the translation of each id in the
                                          TSV files (id<TAB>translation) and
                                          mark it finished; a key that starts
                                          with '=' is an English text instead,
                                          and sets every entry of that source
                                          (ids given elsewhere win)

In the TSV a line break is written \\n, a carriage return \\r, a tab \\t and a
backslash \\\\. Lines that are empty or start with '#' are skipped.
"""

import sys
import xml.etree.ElementTree as ET


def escape(text):
    return (text.replace('\\', '\\\\').replace('\t', '\\t')
            .replace('\r', '\\r').replace('\n', '\\n'))


def unescape(text):
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == '\\' and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({'n': '\n', 'r': '\r', 't': '\t', '\\': '\\'}.get(nxt, '\\' + nxt))
            i += 2
            continue
        out.append(c)
        i += 1
    return ''.join(out)


def same_breaks(text):
    """A text compared with its line breaks as LF, however it was stored."""
    return text.replace('\r\n', '\n').replace('\r', '\n')


def messages(root):
    for context in root.iter('context'):
        name = context.findtext('name') or ''
        for message in context.iter('message'):
            yield name, message


def write_ts(tree, path):
    ET.indent(tree, space='    ')
    body = ET.tostring(tree.getroot(), encoding='unicode')
    # A raw CR would be read back as a plain line break.
    body = body.replace('\r', '&#13;')
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<!DOCTYPE TS>\n')
        f.write(body)
        f.write('\n')


def cmd_list(path, show_all):
    root = ET.parse(path).getroot()
    for context, m in messages(root):
        tr = m.find('translation')
        unfinished = tr is None or tr.get('type') or not (tr.text or '')
        if show_all or unfinished:
            fields = [m.get('id'), context, m.findtext('comment') or '',
                      m.findtext('source') or '', (tr.text or '') if tr is not None else '']
            print('\t'.join(escape(f) for f in fields))


def cmd_apply(path, tsv_paths):
    tree = ET.parse(path)
    by_id = {m.get('id'): m for _, m in messages(tree.getroot())}
    by_source = {}
    for _, m in messages(tree.getroot()):
        by_source.setdefault(same_breaks(m.findtext('source') or ''), []).append(m)
    unknown = []
    applied = 0
    rows = []
    for tsv in tsv_paths:
        with open(tsv, encoding='utf-8') as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip('\n')
                if not line or line.startswith('#'):
                    continue
                if '\t' not in line:
                    sys.exit(f'{tsv}:{number}: expected id<TAB>translation')
                key, text = line.split('\t', 1)
                if key.startswith('='):
                    found = by_source.get(same_breaks(unescape(key[1:])), [])
                else:
                    found = [by_id[key]] if key in by_id else []
                if not found:
                    unknown.append(f'{tsv}:{number}: {key}')
                # Texts keyed by source first, so that an id given for one entry wins.
                rows.extend((not key.startswith('='), m, text) for m in found)
    rows.sort(key=lambda r: r[0])
    for _, m, text in rows:
        tr = m.find('translation')
        if tr is None:
            tr = ET.SubElement(m, 'translation')
        tr.text = unescape(text)
        tr.attrib.pop('type', None)
        # A confirmed translation is made from the current text.
        for stale in ('oldsource', 'extra-loc-oldversion'):
            element = m.find(stale)
            if element is not None:
                m.remove(element)
        applied += 1
    write_ts(tree, path)
    print(f'{applied} translations applied')
    for u in unknown:
        print(f'not in the file: {u}', file=sys.stderr)
    return 1 if unknown else 0


def main(argv):
    if len(argv) >= 2 and argv[0] == 'list':
        cmd_list(argv[1], '--all' in argv[2:])
        return 0
    if len(argv) >= 3 and argv[0] == 'apply':
        return cmd_apply(argv[1], argv[2:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
