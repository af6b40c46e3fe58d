#!/usr/bin/env python3
"""Checks the translations against the program's texts.

    python3 scripts/check-translations.py                 every translations/tilvex_*.ts
    python3 scripts/check-translations.py FILE.ts ...     the files named
    python3 scripts/check-translations.py --self-test     checks that the checks catch planted faults

A translation passes when it holds every text the code shows (as
scripts/extract-texts.py collects them) and nothing else, each one finished
and not empty, and when each keeps what the code fills in or relies on:
- the numbered arguments %1, %2 ... (any order, as often as in the English);
- the printf conversions (%s, %.2f, %d ...) in the English order;
- the keyboard mnemonic: one '&' when the English has one, none otherwise;
- blanks at either end, where the code joins pieces.
Exits 1 and names each message that fails.
"""

import importlib.util
import re
import sys
import xml.etree.ElementTree as ET
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
PRINTF = re.compile(r'%[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|z)?[sdiufgGeExXcp%]')
NUMBERED = re.compile(r'%(\d+)')


def load_extractor():
    found = importlib.util.spec_from_file_location('extract_texts', ROOT / 'scripts' / 'extract-texts.py')
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def printf_conversions(text):
    return PRINTF.findall(text)


def numbered_arguments(text):
    # A printf conversion such as %1.1f is not a numbered argument.
    return Counter(NUMBERED.findall(PRINTF.sub('', text)))


def mnemonics(text):
    # "North & South America" shows its '&'; a mnemonic marks a letter.
    return len(re.findall(r'&(?=\S)', text.replace('&&', '')))


def problems(source, translation):
    """What the translation of source fails to keep, as a list of reasons."""
    found = []
    if not translation.strip():
        return ['empty']
    if numbered_arguments(source) != numbered_arguments(translation):
        found.append('numbered arguments differ')
    if printf_conversions(source) != printf_conversions(translation):
        found.append(f'printf conversions differ: {printf_conversions(source)} -> {printf_conversions(translation)}')
    if mnemonics(source) != mnemonics(translation):
        found.append(f'{mnemonics(source)} mnemonic(s) in the English, {mnemonics(translation)} here')
    if (source[:1].isspace()) != (translation[:1].isspace()):
        found.append('blank at the start differs')
    if (source[-1:].isspace()) != (translation[-1:].isspace()):
        found.append('blank at the end differs')
    return found


def check_file(path, texts):
    """Reasons a .ts file fails, one line each."""
    failures = []
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f'{path}: not a translation file: {error}']
    if not root.get('language'):
        failures.append(f'{path}: no language attribute')
    seen = set()
    for message in root.iter('message'):
        source = message.findtext('source') or ''
        element = message.find('translation')
        if source in seen:
            failures.append(f'{path}: {source!r}: listed twice')
        seen.add(source)
        if source not in texts:
            failures.append(f'{path}: {source!r}: no longer in the program')
            continue
        if element is None or element.get('type') in ('unfinished', 'obsolete', 'vanished'):
            failures.append(f'{path}: {source!r}: not finished')
            continue
        for reason in problems(source, element.text or ''):
            failures.append(f'{path}: {source!r}: {reason}')
    for source in sorted(set(texts) - seen):
        failures.append(f'{path}: {source!r}: missing')
    return failures


PLANTED = [('Page %d of %d', 'Seite %d'),
           ('%s: %.2f\u00b0%s', '%s: %.1f\u00b0%s'),
           ('Unable to open %1', 'Kann nicht geöffnet werden'),
           ('&File', 'Datei'),
           ('&File', '&Da&tei'),
           (' (automatic)', '(automatisch)'),
           ('Workspace: ', 'Arbeitsbereich:'),
           ('Name', '   ')]
CLEAN = [('Page %d of %d', 'Seite %d von %d'),
         ('%1 of %2', '%2 / %1'),
         ('%s: %.2f\u00b0%s', '%s : %.2f\u00b0%s'),
         ('&File', '&Datei'),
         ('Save && Close', 'Speichern && Schlie\u00dfen'),
         ('%1.1f%% of %1', '%1.1f%% von %1'),
         (' (automatic)', ' (automatisch)'),
         ('Asia & South Pacific', 'Asien und S\u00fcdpazifik')]


def self_test():
    missed = [pair for pair in PLANTED if not problems(*pair)]
    wrong = [(pair, problems(*pair)) for pair in CLEAN if problems(*pair)]
    for pair in missed:
        print(f'not caught: {pair}')
    for pair, reasons in wrong:
        print(f'caught wrongly: {pair}: {reasons}')
    print(f'{len(PLANTED) - len(missed)} of {len(PLANTED)} planted faults caught, {len(wrong)} sound pairs refused')
    return 1 if missed or wrong else 0


def main():
    if sys.argv[1:] == ['--self-test']:
        return self_test()
    files = [Path(a) for a in sys.argv[1:]] or sorted((ROOT / 'translations').glob('tilvex_*.ts'))
    if not files:
        print('no translations found')
        return 1
    texts = load_extractor().collect()
    failures = []
    for path in files:
        failures += check_file(path, texts)
    for line in failures:
        print(line)
    print(f'{len(files)} translation(s) of {len(texts)} texts checked, {len(failures)} problem(s)')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
