#!/usr/bin/env python3
"""Collects the program's texts for translators.

    python3 scripts/extract-texts.py            writes translations/tilvex.ts and brings
                                                every translations/tilvex_<language>.ts up to date
    python3 scripts/extract-texts.py --check    lists texts shown without Tr
    python3 scripts/extract-texts.py --self-test  checks that the check flags planted texts

Every text a person reads goes through one function: Tr("...") in the
windows (UTF-8), CoreTr("...") in the core (Windows-1252), and TrNoop("...")
marks a text kept in a constant and translated where it is shown.  All of
them share the context "Tilvex".  The template is a Qt translation source:
a translator copies it to translations/tilvex_<language>.ts, fills in the
translations (Qt Linguist) and makes translations/tilvex_<language>.qm with
lrelease; the program loads the one for the user's language from
share/tilvex/translations (build/data/translations in the build tree).

--check looks for string literals handed straight to the calls that show
text (labels, buttons, titles, What's This, accessible names, message boxes)
and exits 1 when it finds one.
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path
from xml.sax.saxutils import escape

ROOT = Path(__file__).resolve().parent.parent
LITERAL = r'"(?:[^"\\]|\\.)*"(?:\s*"(?:[^"\\]|\\.)*")*'
MARKED = re.compile(r'\b(Tr|CoreTr|TrNoop)\(\s*(' + LITERAL + r')\s*\)')
SHOWN = re.compile(r'((setWindowTitle|setWhatsThis|setToolTip|setStatusTip|setAccessibleName|'
                   r'setAccessibleDescription|setPlaceholderText|setTabWhatsThis\(\d+,|setText|setTitle|'
                   r'new QLabel|new QPushButton|new QCheckBox|new QRadioButton|new QGroupBox|new QAction|new QMenu|'
                   r'addMenu|addRow|addButton|addAction|AppMessageBox)\(\s*'
                   # an action or menu made with a picture or a parent first
                   r'|\b(new QAction|new QMenu|QAction|QMenu)\([^;"()]*(\([^;"()]*\))?[^;"()]*,\s*'
                   # the input and file dialogs' titles, labels and filters
                   r'|QInputDialog::\w+\((?:[^;"]*?,\s*)?'
                   r'|QFileDialog::\w+\((?:[^;"]*?,\s*)?'
                   r')"[^"]*[A-Za-z]')
PIECE = re.compile(r'"((?:[^"\\]|\\.)*)"')
ESCAPES = {'n': '\n', 't': '\t', '"': '"', '\\': '\\', "'": "'", 'r': '\r'}


def decode(literal, core):
    """The text of a C++ literal (pieces joined); core texts are Windows-1252."""
    out = bytearray()
    for piece in PIECE.findall(literal):
        i = 0
        raw = piece.encode('utf-8')
        while i < len(raw):
            c = raw[i:i + 1]
            if c == b'\\':
                nxt = chr(raw[i + 1])
                if nxt == 'x':
                    m = re.match(rb'[0-9A-Fa-f]{1,2}', raw[i + 2:])
                    out.append(int(m.group(0), 16))
                    i += 2 + len(m.group(0))
                    continue
                out += ESCAPES[nxt].encode()
                i += 2
                continue
            out += c
            i += 1
    return bytes(out).decode('cp1252' if core else 'utf-8')


def sources():
    for path in sorted((ROOT / 'src').rglob('*')):
        if path.suffix in ('.cpp', '.h'):
            yield path, path.read_text(encoding='utf-8', errors='surrogateescape')


def collect():
    texts = {}
    for path, text in sources():
        for m in MARKED.finditer(text):
            source = decode(m.group(2), core=m.group(1) != 'Tr')
            line = text.count('\n', 0, m.start()) + 1
            texts.setdefault(source, []).append((path.relative_to(ROOT).as_posix(), line))
    return texts


def template(texts, language=None, translations=None):
    """The template, or with language the translation file: translations
    (source -> text) are kept, every other text is left unfinished."""
    translations = translations or {}
    head = f'<TS version="2.1" language="{language}">' if language else '<TS version="2.1">'
    out = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>', head, '<context>', '    <name>Tilvex</name>']
    for source in sorted(texts):
        out.append('    <message>')
        for file, line in texts[source]:
            out.append(f'        <location filename="../{file}" line="{line}"/>')
        out.append(f'        <source>{escape(source)}</source>')
        if translations.get(source):
            out.append(f'        <translation>{escape(translations[source])}</translation>')
        else:
            out.append('        <translation type="unfinished"></translation>')
        out.append('    </message>')
    out += ['</context>', '</TS>', '']
    return '\n'.join(out)


def update_translation(path, texts):
    """Rewrites a translation file for the texts the code has now: each kept
    translation stays, a new text is added unfinished, a text gone is dropped.
    Returns the number of unfinished texts."""
    root = ET.parse(path).getroot()
    kept = {}
    for message in root.iter('message'):
        element = message.find('translation')
        if element is not None and element.get('type') is None and element.text:
            kept[message.findtext('source') or ''] = element.text
    path.write_text(template(texts, root.get('language'), kept), encoding='utf-8')
    return sum(1 for source in texts if not kept.get(source))


def check():
    found = []
    for path, text in sources():
        for number, line in enumerate(text.splitlines(), 1):
            if line.lstrip().startswith('//'):
                continue
            if SHOWN.search(line):
                found.append(f'{path.relative_to(ROOT)}:{number}: {line.strip()}')
    for entry in found:
        print(entry)
    print(f'{len(found)} texts shown without Tr or CoreTr')
    return 1 if found else 0


# Lines the check must flag, and lines it must let pass.
PLANTED = ['auto* a = new QAction("X", this);',
           'auto* sky = new QAction(QIcon(picture), "&Sky View", this);',
           'QMenu* view = new QMenu("&View", this);',
           'action->setText("Hello");',
           'file->addAction("&Close", this, &QWidget::close);',
           'QInputDialog::getItem(this, "Export", "From:", choices, 0, false, &ok);',
           'QFileDialog::getSaveFileName(this, "Save Picture", folder);']
CLEAN = ['auto* a = new QAction(Tr("X"), this);',
         'file->addAction(Tr("&Close"), this, &QWidget::close);',
         'QInputDialog::getItem(this, Tr("Export"), Tr("From:"), choices, 0, false, &ok);',
         'action->setObjectName("commandX");']


def self_test():
    missed = [line for line in PLANTED if not SHOWN.search(line)]
    wrong = [line for line in CLEAN if SHOWN.search(line)]
    for line in missed:
        print(f'not flagged: {line}')
    for line in wrong:
        print(f'flagged wrongly: {line}')
    print(f'{len(PLANTED) - len(missed)} of {len(PLANTED)} planted texts flagged, {len(wrong)} clean lines flagged')
    return 1 if missed or wrong else 0


def main():
    if sys.argv[1:] == ['--check']:
        return check()
    if sys.argv[1:] == ['--self-test']:
        return self_test()
    texts = collect()
    out = ROOT / 'translations' / 'tilvex.ts'
    out.parent.mkdir(exist_ok=True)
    out.write_text(template(texts), encoding='utf-8')
    print(f'{out.relative_to(ROOT)}: {len(texts)} texts')
    for path in sorted(out.parent.glob('tilvex_*.ts')):
        print(f'{path.relative_to(ROOT)}: {update_translation(path, texts)} to translate')
    return 0


if __name__ == '__main__':
    sys.exit(main())
