#!/usr/bin/env python3
"""Checks a Linguist .ts translation of the program before it is compiled.

  check-ts.py FILE.ts [--same-as-english LIST] [--allow-unfinished]

Reports, one line each, and exits 1 when any is found:
  - an entry with no translation, or one still marked unfinished;
  - placeholders that differ from the source: the sequential ones (%s, %d,
    %.3d) are filled in order, so their sequence must be the same; the numbered
    ones (%1, %2) may move but each must stay, as must every %%;
  - leading or trailing blanks and line breaks that differ from the source
    (texts are joined to others and shown in message boxes as they are), or
    line breaks without the carriage return the source's have;
  - an '&' shortcut letter lost, added or doubled;
  - a list (a combo box's or list box's items) with another number of items;
  - a translation equal to its English source, unless the source is listed in
    LIST (one text per line, a tab, then the reason; '#' starts a comment;
    a line break in a text is written \\r or \\n, a backslash \\\\).
"""

import re
import sys
import xml.etree.ElementTree as ET

SEQUENTIAL = re.compile(r'%(?:\.\d+)?[sd]')
NUMBERED = re.compile(r'%(\d+)')
LITERAL_PERCENT = '%%'
# A shortcut is an '&' before a letter or digit; '&&' is a literal ampersand.
SHORTCUT = re.compile(r'(?<!&)&(?=[^\s&])')


def strip_literal(text):
    return text.replace(LITERAL_PERCENT, '')


def edges(text):
    head = re.match(r'\s*', text).group(0)
    tail = re.search(r'\s*$', text).group(0)
    return head, tail


def same_breaks(text):
    """A text with its line breaks as LF, however it was stored."""
    return text.replace('\r\n', '\n').replace('\r', '\n')


def unescape(text):
    return re.sub(r'\\(.)', lambda m: {'n': '\n', 'r': '\r', 't': '\t'}.get(m.group(1), m.group(1)), text)


def read_exceptions(path):
    allowed = set()
    if not path:
        return allowed
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            allowed.add(same_breaks(unescape(line.split('\t', 1)[0])))
    return allowed


def problems_of(source, translation):
    found = []
    s, t = strip_literal(source), strip_literal(translation)
    if SEQUENTIAL.findall(s) != SEQUENTIAL.findall(t):
        found.append('placeholders %s became %s' % (SEQUENTIAL.findall(s), SEQUENTIAL.findall(t)))
    if sorted(NUMBERED.findall(s)) != sorted(NUMBERED.findall(t)):
        found.append('numbered placeholders %s became %s'
                     % (sorted(NUMBERED.findall(s)), sorted(NUMBERED.findall(t))))
    if source.count(LITERAL_PERCENT) != translation.count(LITERAL_PERCENT):
        found.append('%% count differs')
    if edges(same_breaks(source)) != edges(same_breaks(translation)):
        found.append('leading or trailing blanks differ')
    # Line breaks written as the source writes them ("\r\n" in a list's items).
    if '\r\n' in source and '\r' not in source.replace('\r\n', '') and \
            re.search(r'(?<!\r)\n', translation):
        found.append('line breaks written without the source\'s carriage return')
    shortcuts = len(SHORTCUT.findall(translation))
    if shortcuts != len(SHORTCUT.findall(source)) or shortcuts > 1:
        found.append('shortcut "&" lost, added or doubled')
    return found


def check(ts_path, exceptions_path=None, allow_unfinished=False):
    """Returns the list of problems found, each one line."""
    try:
        root = ET.parse(ts_path).getroot()
    except (ET.ParseError, OSError) as e:
        return ['%s: cannot be read: %s' % (ts_path, e)]
    allowed = read_exceptions(exceptions_path)
    problems = []
    for context in root.iter('context'):
        name = context.findtext('name') or ''
        for m in context.iter('message'):
            where = '%s %s (%s)' % (name, m.get('id'), m.findtext('comment') or '')
            source = m.findtext('source') or ''
            tr = m.find('translation')
            text = (tr.text or '') if tr is not None else ''
            kind = tr.get('type', '') if tr is not None else ''
            if kind in ('vanished', 'obsolete'):
                continue
            if not text:
                if not allow_unfinished:
                    problems.append('%s: not translated: %r' % (where, source))
                continue
            if kind == 'unfinished' and not allow_unfinished:
                problems.append('%s: marked unfinished: %r' % (where, source))
            for p in problems_of(source, text):
                problems.append('%s: %s: %r -> %r' % (where, p, source, text))
            # A list's items are picked by their position.
            if (m.findtext('comment') or '').endswith('Items.Strings') and \
                    same_breaks(source).count('\n') != same_breaks(text).count('\n'):
                problems.append('%s: list has another number of items: %r -> %r' % (where, source, text))
            if text == source and same_breaks(source) not in allowed:
                problems.append('%s: still English: %r' % (where, source))
    return problems


def main(argv):
    args = list(argv)
    exceptions = None
    allow_unfinished = False
    if '--allow-unfinished' in args:
        args.remove('--allow-unfinished')
        allow_unfinished = True
    if '--same-as-english' in args:
        i = args.index('--same-as-english')
        if i + 1 >= len(args):
            print(__doc__, file=sys.stderr)
            return 2
        exceptions = args[i + 1]
        del args[i:i + 2]
    if len(args) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    problems = check(args[0], exceptions, allow_unfinished)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
