#!/usr/bin/env python3
"""The .ts checker finds each kind of fault a translator can make, and lets a
sound translation through."""

import importlib.util
import os
import sys
import tempfile
import unittest
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, '..', '..', 'scripts', 'check-ts.py')
spec = importlib.util.spec_from_file_location('check_ts', SCRIPT)
check_ts = importlib.util.module_from_spec(spec)
spec.loader.exec_module(check_ts)


def ts_file(directory, entries, comment='c'):
    """entries: (source, translation, type) triples."""
    body = ''.join(
        '<message id="C%d"><source>%s</source><comment>%s</comment>'
        '<translation%s>%s</translation></message>'
        % (i, escape(s, {'\r': '&#13;'}), comment, ' type="%s"' % k if k else '',
           escape(t, {'\r': '&#13;'}))
        for i, (s, t, k) in enumerate(entries))
    path = os.path.join(directory, 'x.ts')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE TS><TS version="2.1" '
                'language="hu_HU"><context><name>u</name>%s</context></TS>' % body)
    return path


class CheckTs(unittest.TestCase):
    CASES = [
        # name, source, translation, type, expected fault (None: sound)
        ('sound', 'Zone %.3d (%s)', '%.3d. zóna (%s)', '', None),
        ('numbered moved', 'Record %1 of %2', '%2 rekordból %1.', '', None),
        ('literal percent', 'Event Log 90% Full', 'Eseménynapló 90%-ban megtelt', '', None),
        ('ampersand not a shortcut', 'Date & Time:', 'Dátum és idő:', '', None),
        ('sequential reordered', '%s: %s by User %.3d', '%s: %.3d %s', '', 'placeholders'),
        ('sequential lost', 'Account No: %s', 'Ügyfélszám:', '', 'placeholders'),
        ('numbered lost', 'Cannot listen on port %1: %2', 'Port %1 hiba', '', 'numbered'),
        ('percent escape lost', '100%% of %1', '100% %1', '', '%%'),
        ('leading blank lost', ' Add', 'Új', '', 'blanks'),
        ('trailing line break lost', 'No Account Name defined.\r\n', 'Nincs fióknév.', '',
         'blanks'),
        ('bare line feeds for CR LF', 'Disabled\r\n1 Hour', 'Kikapcsolva\n1 óra', '',
         'carriage return'),
        ('shortcut lost', '&Action', 'Intézkedés', '', 'shortcut'),
        ('shortcut doubled', '&Action', '&Inté&zkedés', '', 'shortcut'),
        ('unfinished', 'Close', 'Bezárás', 'unfinished', 'unfinished'),
        ('empty', 'Close', '', 'unfinished', 'not translated'),
        ('still English', 'Status', 'Status', '', 'still English'),
        ('listed exception', 'OK', 'OK', '', None),
    ]

    def test_cases(self):
        with tempfile.TemporaryDirectory() as d:
            same = os.path.join(d, 'same.txt')
            with open(same, 'w', encoding='utf-8') as f:
                f.write('# comment\nOK\tthe same in Hungarian software\n')
            for name, source, translation, kind, fault in self.CASES:
                with self.subTest(name):
                    problems = check_ts.check(ts_file(d, [(source, translation, kind)]), same)
                    if fault is None:
                        self.assertEqual(problems, [])
                    else:
                        self.assertEqual(len(problems), 1, problems)
                        self.assertIn(fault, problems[0])

    def test_list_keeps_its_number_of_items(self):
        with tempfile.TemporaryDirectory() as d:
            entry = [('Disabled\n1 Hour\n2 Hours', 'Kikapcsolva\n1 óra', '')]
            problems = check_ts.check(ts_file(d, entry, 'cbNoSigTime.Items.Strings'))
            self.assertEqual(len(problems), 1, problems)
            self.assertIn('number of items', problems[0])
            entry = [('Disabled\n1 Hour\n2 Hours', 'Kikapcsolva\n1 óra\n2 óra', '')]
            self.assertEqual(check_ts.check(ts_file(d, entry, 'cbNoSigTime.Items.Strings')), [])

    def test_listed_text_with_line_breaks(self):
        with tempfile.TemporaryDirectory() as d:
            same = os.path.join(d, 'same.txt')
            with open(same, 'w', encoding='utf-8') as f:
                f.write('Quorvel Alarm\\r\\nMonitor\tthe product name\n')
            entry = [('Quorvel Alarm\r\nMonitor', 'Quorvel Alarm\r\nMonitor', '')]
            self.assertEqual(check_ts.check(ts_file(d, entry), same), [])
            self.assertEqual(len(check_ts.check(ts_file(d, entry))), 1)

    def test_unreadable_file_is_a_problem(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, 'broken.ts')
            with open(path, 'w', encoding='utf-8') as f:
                f.write('<TS><context><message>')
            self.assertIn('cannot be read', check_ts.check(path)[0])
            self.assertEqual(check_ts.main([path]), 1)

    def test_vanished_entries_are_ignored(self):
        with tempfile.TemporaryDirectory() as d:
            path = ts_file(d, [('Gone', '', 'vanished'), ('Close', 'Bezárás', '')])
            self.assertEqual(check_ts.main([path]), 0)


if __name__ == '__main__':
    unittest.main()
