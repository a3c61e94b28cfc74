// SPDX-License-Identifier: MIT
// The list editor's reading and writing of list files, run in the page: each encoding the game takes, line breaks, and characters Windows-1252 lacks.
// Run by test_lists.py in Chromium, whose Windows-1252 decoder is the one players have
// (Node's decodes the code page as Latin-1). Resolves to the failures, empty when all pass.
async function listTextCases(ListText) {
    const { decodeList, lineBreakOf, encodeList, missingMessage } = ListText;
    const failures = [];
    const same = (what, got, expected) => {
        const a = JSON.stringify(got instanceof Uint8Array ? Array.from(got) : got);
        const b = JSON.stringify(expected instanceof Uint8Array ? Array.from(expected) : expected);
        if (a !== b) {
            failures.push(what + ': ' + a + ' where ' + b + ' was expected');
        }
    };
    // Bytes from strings of Latin-1 characters (one byte each) and arrays of bytes.
    const bytes = (...parts) => Uint8Array.from(parts.flatMap((p) => (typeof p === 'string'
        ? Array.from(p, (c) => c.charCodeAt(0)) : Array.from(p))));
    const utf8 = (text) => new TextEncoder().encode(text);
    const utf16 = (text, bigEndian) => Uint8Array.from(Array.from(text).flatMap((c) => {
        const u = c.charCodeAt(0);
        return bigEndian ? [u >> 8, u & 0xff] : [u & 0xff, u >> 8];
    }));

    // Windows-1252, UTF-8 with and without its mark, and UTF-16 both ways show the same words.
    const words = 'PIÑA\r\nCAFÉ, "SÍ, SEÑOR"\r\n€URO\r\n';
    same('Windows-1252', decodeList(bytes('PI', [0xd1], 'A\r\nCAF', [0xc9], ', "S', [0xcd], ', SE', [0xd1], 'OR"\r\n', [0x80], 'URO\r\n')), words);
    same('UTF-8', decodeList(utf8(words)), words);
    same('UTF-8 with its mark', decodeList(bytes([0xef, 0xbb, 0xbf], utf8(words))), words);
    same('UTF-16LE', decodeList(utf16('\ufeff' + words, false)), words);
    same('UTF-16BE', decodeList(utf16('\ufeff' + words, true)), words);

    // A list not UTF-8 as a whole is read line by line: a Windows-1252 list to which a
    // UTF-8 editor added a line, "ñ" in both forms; a lone CR ends a line too.
    same('mixed lines', decodeList(bytes('ca', [0xf1], 'a\r\n', utf8('ñandú'), '\r\nespa', [0xf1], 'a')), 'caña\r\nñandú\r\nespaña');
    same('lone CR', decodeList(bytes([0xe9], '\r', utf8('é'))), 'é\ré');
    same('empty', decodeList(new Uint8Array(0)), '');
    // A mark before Windows-1252 text is not believed.
    same('mark before Windows-1252', decodeList(bytes([0xef, 0xbb, 0xbf], 'a', [0xf1], 'o')), 'año');

    // Every byte, the five the code page leaves undefined included, reads and saves back as itself.
    const all = [];
    for (let b = 0; b < 256; ++b) {
        if (b !== 0x0a && b !== 0x0d) {
            all.push(b);
        }
    }
    const every = bytes(all, '\r\n', all);
    same('every byte', encodeList(decodeList(every), lineBreakOf(every)).bytes, every);

    // Saving keeps the file's line break, as its first one is, and makes each character one byte.
    same('CR LF', lineBreakOf(bytes('a\r\nb')), '\r\n');
    same('LF first', lineBreakOf(bytes('a\nb\r\n')), '\n');
    same('CR', lineBreakOf(bytes('a\rb')), '\r');
    same('no break', lineBreakOf(bytes('a')), '\r\n');
    // The text area gives LF, and CR LF may come in with pasted text.
    same('encoded', encodeList('ñu\nÑU\r\nfin', '\r\n').bytes, bytes([0xf1], 'u\r\n', [0xd1], 'U\r\nfin'));
    same('encoded LF', encodeList('a\nb\n', '\n').bytes, bytes('a\nb\n'));
    same('encoded empty', encodeList('', '\r\n').bytes, new Uint8Array(0));

    // Characters Windows-1252 lacks are named with their lines, three at most, each once,
    // and nothing is encoded.
    const refused = encodeList('bien\nŐrült\nok\n😀 y ő y Ő y ł\n', '\r\n');
    same('refused bytes', refused.bytes, undefined);
    same('refused characters', refused.missing, [
        { character: 'Ő', line: 2 }, { character: '😀', line: 4 }, { character: 'ő', line: 4 },
    ]);
    same('refused message', missingMessage(refused.missing),
        'La lista tiene caracteres que el juego no puede usar: «Ő» (línea 2), «😀» (línea 4), «ő» (línea 4). '
        + 'Cámbialos y vuelve a guardar.');
    return failures;
}
