// SPDX-License-Identifier: MIT
// The word lists' editor in the page: open, change, upload, download and restore each list, saving it whole.
'use strict';

(function () {
    const ListText = globalThis.QuimbeloListText;

    function element(tag, attributes = {}, text = '') {
        const node = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes)) {
            node.setAttribute(name, value);
        }
        node.textContent = text;
        return node;
    }

    class ListEditor {
        // store: the ListStore of lists.js. The editor opens from opener, a button of the
        // page, which stays usable after the game has ended, so that a list the game could
        // not read can be put right.
        constructor(store, opener) {
            this.store = store;
            this.list = store.lists[0];
            // The text each list had when the editor last read or saved it.
            this.shown = new Map();
            // The lists whose last save the browser did not keep.
            this.unkept = new Set();
            this.build();
            opener.addEventListener('click', () => this.open());
            store.onChange((list) => this.changed(list));
            window.addEventListener('beforeunload', (event) => {
                if (this.dirty() || this.unkept.size) {
                    event.preventDefault();
                    event.returnValue = '';
                }
            });
        }

        build() {
            const d = (this.dialog = element('dialog', { id: 'listas', class: 'window', 'aria-labelledby': 'listas-titulo' }));
            d.append(element('h2', { id: 'listas-titulo' }, 'Listas de palabras'));
            this.notice = element('p', { id: 'listas-aviso', role: 'alert' });
            d.append(this.notice);
            if (this.store.unavailable) {
                this.notice.textContent = 'Este navegador no deja guardar las listas ('
                    + this.store.unavailable + '): los cambios durarán mientras no cierres la página.';
            }
            const tabs = element('div', { role: 'tablist', 'aria-label': 'Listas' });
            this.tabs = this.store.lists.map((list) => {
                const tab = element('button', { type: 'button', class: 'button', role: 'tab', id: 'lista-' + list.name,
                                                'aria-controls': 'listas-texto' }, list.file);
                tab.addEventListener('click', () => this.choose(list));
                tabs.append(tab);
                return tab;
            });
            d.append(tabs);
            this.state = element('p', { id: 'listas-estado', 'aria-live': 'polite' });
            d.append(this.state);
            this.text = element('textarea', { id: 'listas-texto', role: 'tabpanel', spellcheck: 'false',
                                              wrap: 'off', rows: '18', cols: '48' });
            this.text.addEventListener('input', () => this.showState());
            d.append(this.text);

            const buttons = element('div', { class: 'listas-botones' });
            const button = (id, caption, action) => {
                const b = element('button', { type: 'button', class: 'button', id }, caption);
                b.addEventListener('click', () => this.run(action));
                buttons.append(b);
                return b;
            };
            this.saveButton = button('listas-guardar', 'Guardar', () => this.save());
            this.upload = element('input', { type: 'file', id: 'listas-archivo', accept: '.txt,.TXT,text/plain',
                                             class: 'listas-oculto' });
            this.upload.addEventListener('change', () => this.run(() => this.uploaded()));
            button('listas-subir', 'Subir un archivo…', async () => this.upload.click());
            buttons.append(this.upload);
            button('listas-descargar', 'Descargar', async () => this.download());
            this.restoreButton = button('listas-restaurar', 'Restaurar la original', () => this.restore());
            button('listas-cerrar', 'Cerrar', () => this.close());
            d.append(buttons);
            this.problem = element('p', { id: 'listas-error', role: 'alert' });
            d.append(this.problem);

            // A question asked inside the editor: the button that goes ahead says what it
            // does, the other leaves everything as it is.
            this.question = element('dialog', { id: 'listas-pregunta', class: 'window', 'aria-describedby': 'listas-pregunta-texto' });
            this.questionText = element('p', { id: 'listas-pregunta-texto' });
            const yes = element('button', { type: 'button', class: 'button', id: 'listas-si' });
            const no = element('button', { type: 'button', class: 'button', id: 'listas-no' }, 'Cancelar');
            yes.addEventListener('click', () => this.question.close('si'));
            no.addEventListener('click', () => this.question.close('no'));
            this.question.append(this.questionText, yes, no);
            d.append(this.question);
            // Keys typed in the editor are the editor's: none reaches the game's windows,
            // whose menus would take F2 or Ctrl+S. Ctrl+S saves the list, as in an editor.
            d.addEventListener('keydown', (event) => {
                event.stopPropagation();
                if ((event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 's') {
                    event.preventDefault();
                    if (!this.question.open) {
                        this.run(() => this.save());
                    }
                }
            });
            // Escape would close the editor over unsaved text: it asks first, as Cerrar does.
            d.addEventListener('cancel', (event) => {
                event.preventDefault();
                this.run(() => this.close());
            });
            document.body.append(d);
        }

        ask(question, goAhead) {
            this.questionText.textContent = question;
            this.question.querySelector('#listas-si').textContent = goAhead;
            this.question.returnValue = 'no';
            this.question.showModal();
            this.question.querySelector('#listas-no').focus();
            return new Promise((resolve) => {
                this.question.addEventListener('close', () => resolve(this.question.returnValue === 'si'), { once: true });
            });
        }

        // Runs a step of the editor, saying in the editor why it failed. The text stays
        // as it is whatever happens.
        async run(action) {
            this.problem.textContent = '';
            try {
                await action();
            } catch (e) {
                this.problem.textContent = e instanceof ListStorageError ? e.message : 'No se ha podido: ' + e.message;
            }
        }

        dirty() {
            return this.shown.has(this.list.file) && this.text.value !== this.shown.get(this.list.file);
        }

        open() {
            this.choose(this.list);
            this.dialog.showModal();
            this.text.focus();
        }

        async close() {
            if (this.dirty() && !(await this.ask('Hay cambios sin guardar en ' + this.list.file + '. ¿Cerrar sin guardarlos?', 'Cerrar sin guardar'))) {
                return;
            }
            this.shown.delete(this.list.file);
            this.dialog.close();
        }

        async choose(list) {
            if (list !== this.list && this.dirty()
                && !(await this.ask('Hay cambios sin guardar en ' + this.list.file + '. ¿Dejarlos sin guardar?', 'Dejar sin guardar'))) {
                return;
            }
            this.shown.delete(this.list.file);
            this.list = list;
            this.load();
        }

        // Shows the list as the game reads it now.
        load() {
            const text = ListText.decodeList(this.store.bytes(this.list));
            this.text.value = text;
            this.shown.set(this.list.file, this.text.value);
            this.text.setAttribute('aria-labelledby', 'lista-' + this.list.name);
            this.tabs.forEach((tab, i) => tab.setAttribute('aria-selected', String(this.store.lists[i] === this.list)));
            this.showState();
        }

        showState() {
            let state;
            if (this.dirty()) {
                state = 'Con cambios sin guardar.';
            } else if (this.unkept.has(this.list.file)) {
                state = 'Sin guardar en el navegador: el juego la usa hasta que cierres la página.';
            } else if (this.store.isShipped(this.list)) {
                state = 'Tal como viene con el juego.';
            } else {
                state = 'Cambiada por ti. El juego la lee al empezar cada partida.';
            }
            this.state.textContent = state;
            this.restoreButton.disabled = this.store.isShipped(this.list) && !this.dirty();
        }

        // A list changed by this editor, by another tab or by the lists' loading: shown
        // anew unless the player is changing it here.
        changed(list) {
            if (list === this.list && this.dialog.open && !this.dirty()) {
                this.load();
            }
        }

        // Runs what stores a list and remembers whether the browser kept it: a list it
        // did not keep is said to be unsaved until a later store succeeds.
        async stored(list, store) {
            try {
                await store();
                this.unkept.delete(list.file);
            } catch (e) {
                if (e instanceof ListStorageError) {
                    this.unkept.add(list.file);
                }
                throw e;
            }
        }

        // Keeps bytes as the list, then shows what was kept. A save the browser did not
        // keep leaves the text as it is, and says so.
        async keep(list, bytes, time) {
            try {
                await this.stored(list, () => this.store.save(list, bytes, time));
            } finally {
                this.showState();
            }
            if (list === this.list) {
                this.load();
            }
        }

        // Saves the text in Windows-1252, each character one byte, with the line breaks
        // the list had.
        async save() {
            const list = this.list;
            const encoded = ListText.encodeList(this.text.value, ListText.lineBreakOf(this.store.bytes(list)));
            if (encoded.missing) {
                this.problem.textContent = ListText.missingMessage(encoded.missing);
                return;
            }
            const text = this.text.value;
            try {
                await this.keep(list, encoded.bytes);
            } finally {
                if (this.unkept.has(list.file)) {
                    // The game reads the new text: it is no longer a change to save, only
                    // to keep, which Guardar tries again.
                    this.shown.set(list.file, text);
                    this.text.value = text;
                    this.showState();
                }
            }
            this.state.textContent = 'Guardada. El juego la leerá al empezar la próxima partida.';
        }

        // A file the player chose takes the list's place with its bytes as they are: the
        // game reads Windows-1252, UTF-8 and UTF-16 alike, line by line where they mix.
        async uploaded() {
            const file = this.upload.files[0];
            this.upload.value = '';
            if (!file) {
                return;
            }
            if (this.dirty() && !(await this.ask('Hay cambios sin guardar en ' + this.list.file + '. ¿Reemplazarlos por '
                                                 + file.name + '?', 'Reemplazar'))) {
                return;
            }
            await this.keep(this.list, new Uint8Array(await file.arrayBuffer()));
            this.state.textContent = file.name + ' es ahora ' + this.list.file + '. El juego la leerá al empezar la próxima partida.';
        }

        // Hands the list over as it is kept, bytes and all.
        download() {
            const url = URL.createObjectURL(new Blob([this.store.bytes(this.list)], { type: 'text/plain' }));
            const link = element('a', { href: url, download: this.list.file });
            document.body.append(link);
            link.click();
            link.remove();
            setTimeout(() => URL.revokeObjectURL(url), 60000);
        }

        async restore() {
            if (!(await this.ask('¿Volver a la lista ' + this.list.file + ' que viene con el juego? Tus cambios se perderán.',
                                   'Restaurar'))) {
                return;
            }
            const list = this.list;
            this.shown.delete(list.file);
            try {
                await this.stored(list, () => this.store.restore(list));
            } finally {
                this.load();
            }
            this.state.textContent = 'Restaurada: la lista es la que viene con el juego.';
        }
    }

    globalThis.QuimbeloListEditor = ListEditor;
})();
