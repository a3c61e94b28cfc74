// SPDX-License-Identifier: MIT
// The word lists and the help text, put in the program's folder of Emscripten's file
// system, where the game reads them afresh at every round. Only this function knows
// where they come from: today the files shipped with the page, fetched as the page starts.
'use strict';

// Where the shipped files lie, beside the page. A page address with ?listas=FOLDER takes
// them from that folder of the same site instead: a folder with a one-word list pins the
// word a round draws, as the tests of the page do.
function listsSource() {
    const asked = new URLSearchParams(location.search).get('listas');
    // Only a folder of this site: no scheme, no host.
    if (asked && !/[:\\]|^\/\//.test(asked)) {
        return asked.replace(/\/+$/, '');
    }
    return 'data';
}

// Fetches every data file and writes it into folder. A file that cannot be fetched is
// left out: the game then says, as on the desktop, that the list is missing.
async function prepareLists(Module, folder) {
    const source = listsSource();
    Module.FS.mkdir(folder);
    await Promise.all(quimbeloShipped.files.map(async (name) => {
        try {
            const response = await fetch(`${source}/${encodeURIComponent(name)}`);
            if (response.ok) {
                Module.FS.writeFile(`${folder}/${name}`, new Uint8Array(await response.arrayBuffer()));
            }
        } catch (error) {
            console.warn(`${name}: ${error}`);
        }
    }));
}
