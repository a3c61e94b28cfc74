// SPDX-License-Identifier: MIT
// A word list's bytes as the list editor shows them, and the editor's text as the bytes it saves.
'use strict';

(function (exports) {
    // The code page as the browser knows it. Like the game's own table, it maps the five
    // bytes that Windows-1252 leaves undefined to the control characters of the same
    // number, so every byte decodes and encodes back to itself.
    const cp1252 = new TextDecoder('windows-1252');
    const utf8 = new TextDecoder('utf-8', { fatal: true });
    const byteOf = new Map();
    {
        const all = new Uint8Array(256);
        for (let i = 0; i < 256; ++i) {
            all[i] = i;
        }
        const chars = cp1252.decode(all);
        for (let i = 0; i < 256; ++i) {
            byteOf.set(chars.charCodeAt(i), i);
        }
    }

    const CR = 0x0d;
    const LF = 0x0a;

    function beyondAscii(bytes) {
        return bytes.some((b) => b >= 0x80);
    }

    function validUtf8(bytes) {
        try {
            utf8.decode(bytes);
            return true;
        } catch (e) {
            return false;
        }
    }

    // A text neither ASCII nor UTF-8 as a whole, as when a player added a line to a
    // Windows-1252 list with an editor that saves UTF-8: each line, between two CR or LF
    // bytes, is UTF-8 when it is well-formed UTF-8 beyond ASCII, else Windows-1252. This
    // is how the game's reader takes each line, so the editor shows the words it draws.
    function decodeLineByLine(bytes) {
        const parts = [];
        let start = 0;
        while (start <= bytes.length) {
            let end = start;
            while (end < bytes.length && bytes[end] !== CR && bytes[end] !== LF) {
                ++end;
            }
            const line = bytes.subarray(start, end);
            parts.push(beyondAscii(line) && validUtf8(line) ? utf8.decode(line) : cp1252.decode(line));
            if (end < bytes.length) {
                parts.push(String.fromCharCode(bytes[end]));
            }
            start = end + 1;
        }
        return parts.join('');
    }

    // The characters of a list file, decided as the game's reader decides them: UTF-16
    // behind its byte-order mark; UTF-8 behind its mark, or when the whole text is UTF-8
    // and goes beyond ASCII; otherwise each line in its own encoding.
    function decodeList(bytes) {
        if (bytes.length >= 2 && ((bytes[0] === 0xff && bytes[1] === 0xfe) || (bytes[0] === 0xfe && bytes[1] === 0xff))) {
            return new TextDecoder(bytes[0] === 0xff ? 'utf-16le' : 'utf-16be').decode(bytes);
        }
        const marked = bytes.length >= 3 && bytes[0] === 0xef && bytes[1] === 0xbb && bytes[2] === 0xbf;
        const items = marked ? bytes.subarray(3) : bytes;
        if (!marked && !beyondAscii(items)) {
            return cp1252.decode(items);
        }
        return validUtf8(items) ? utf8.decode(items) : decodeLineByLine(items);
    }

    // The line break a list file uses, as its first one is, kept when the editor saves
    // it: CR LF as the shipped lists have it, LF, or a lone CR. A file with none takes
    // CR LF.
    function lineBreakOf(bytes) {
        const first = bytes.findIndex((b) => b === CR || b === LF);
        if (first < 0 || (bytes[first] === CR && bytes[first + 1] === LF)) {
            return '\r\n';
        }
        return bytes[first] === CR ? '\r' : '\n';
    }

    // The editor's text as Windows-1252 bytes, one a character, each line ended by
    // lineBreak. A character the code page lacks could never be typed nor shown by the
    // game: the text is then not encoded, and the answer names the first few such
    // characters with their lines (from 1) so the player can change them.
    function encodeList(text, lineBreak) {
        const normalized = text.replace(/\r\n?/g, '\n');
        const out = new Uint8Array(normalized.length * lineBreak.length);
        let used = 0;
        let line = 1;
        const missing = [];
        for (const ch of normalized) {
            if (ch === '\n') {
                for (let i = 0; i < lineBreak.length; ++i) {
                    out[used++] = lineBreak.charCodeAt(i);
                }
                ++line;
                continue;
            }
            const byte = ch.length === 1 ? byteOf.get(ch.charCodeAt(0)) : undefined;
            if (byte === undefined) {
                if (missing.length < 3 && !missing.some((m) => m.character === ch)) {
                    missing.push({ character: ch, line });
                }
                continue;
            }
            out[used++] = byte;
        }
        return missing.length ? { missing } : { bytes: out.slice(0, used) };
    }

    // What the player reads when the text holds characters the code page lacks.
    function missingMessage(missing) {
        const which = missing.map((m) => '«' + m.character + '» (línea ' + m.line + ')').join(', ');
        return 'La lista tiene caracteres que el juego no puede usar: ' + which
            + '. Cámbialos y vuelve a guardar.';
    }

    exports.decodeList = decodeList;
    exports.lineBreakOf = lineBreakOf;
    exports.encodeList = encodeList;
    exports.missingMessage = missingMessage;
})(typeof module === 'object' && module.exports ? module.exports : (globalThis.QuimbeloListText = {}));
