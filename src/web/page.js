// SPDX-License-Identifier: MIT
// The page's side of the browser program: it builds the windows' elements from the
// design the program hands it, changes them as the program asks (page.cpp's calls), and
// forwards the player's clicks, keys and the timers' ticks to the program by window and
// design row. It holds no rule of the game.
'use strict';

// The folder of the file system that the program runs from: lists.js puts the word lists
// and the help text there.
const PROGRAM_FOLDER = '/quimbelo';

// The program's code, compiled as it arrives from the moment this script runs, while the
// rest of the page is still fetched and read: startQuimbelo() hands it to the module. The
// page's head names the file, which it starts fetching.
const compiledProgram = (() => {
    const file = document.getElementById('program-code').href;
    const streamed = WebAssembly.compileStreaming ? WebAssembly.compileStreaming(fetch(file))
        : Promise.reject(new Error('no streaming'));
    // A server that does not call it application/wasm gets it compiled whole.
    return streamed.catch(() => fetch(file).then((response) => response.arrayBuffer())
        .then((bytes) => WebAssembly.compile(bytes)));
})();

// The windows, by the numbers the program gives them (page.h's WindowId).
const GAME = 0;
const SPLASH = 1;

// The designed fonts, then free fonts with their metrics, then the generic family.
const FONT_STACKS = {
    'Arial': 'Arial, "Liberation Sans", Arimo, "DejaVu Sans", sans-serif',
    'MS Sans Serif': '"MS Sans Serif", "Liberation Sans", Arial, "DejaVu Sans", sans-serif',
    'Comic Sans MS': '"Comic Sans MS", "Comic Neue", "Liberation Sans", cursive',
};

function fontStack(family) {
    return FONT_STACKS[family] || `"${family}", sans-serif`;
}

function cssFont(font, points = font.points) {
    return `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${points}pt ${fontStack(font.family)}`;
}

function element(tag, className, parent) {
    const made = document.createElement(tag);
    if (className) {
        made.className = className;
    }
    if (parent) {
        parent.appendChild(made);
    }
    return made;
}

// A caption with "&" before its access key: the key's letter underlined, "&&" a plain "&".
function setAccessCaption(target, caption) {
    target.textContent = '';
    let key = '';
    for (let i = 0; i < caption.length; ++i) {
        if (caption[i] === '&' && i + 1 < caption.length) {
            ++i;
            if (caption[i] !== '&' && !key) {
                key = caption[i];
                element('u', '', target).textContent = key;
                continue;
            }
        }
        target.appendChild(document.createTextNode(caption[i]));
    }
    return key.toLowerCase();
}

// The character a key types, as the desktop's character events give it: 0 for a key that
// types none (arrows, function keys, a dead accent waiting for its letter).
function typedCharacter(event) {
    if ([...event.key].length === 1) {
        const code = event.key.codePointAt(0);
        // Ctrl with a letter types its control character.
        if (event.ctrlKey && !event.altKey && /^[a-z]$/i.test(event.key)) {
            return code & 0x1f;
        }
        return code;
    }
    return { Enter: 13, Escape: 27, Backspace: 8 }[event.key] || 0;
}

// A picture object: one drawing, at one gallows stage for the stages. Controls that share
// it show the same object, drawn once.
class Picture {
    constructor(name, stage = -1) {
        this.name = name;
        this.stage = stage;
        this.decoded = null;
        this.address = null;
    }

    // The picture an image of the page's own splash shows, drawn as url() draws it.
    static shownBy(name, image) {
        const picture = new Picture(name);
        picture.address = image.src;
        picture.decoded = image.decode().catch(() => {});
        return picture;
    }

    // The drawing, with only the gallows' parts up to its stage, filling whatever box it is
    // shown in, as stretched pictures do.
    svg() {
        const document = new DOMParser().parseFromString(quimbeloShipped.pictures[this.name], 'image/svg+xml');
        const root = document.documentElement;
        root.setAttribute('preserveAspectRatio', 'none');
        if (this.stage >= 0) {
            for (const part of [...root.children]) {
                const number = /^part(\d+)$/.exec(part.getAttribute('id') || '');
                if (number && Number(number[1]) > this.stage) {
                    part.remove();
                }
            }
        }
        return new XMLSerializer().serializeToString(root);
    }

    url() {
        if (!this.address) {
            this.address = URL.createObjectURL(new Blob([this.svg()], { type: 'image/svg+xml' }));
        }
        return this.address;
    }

    // Its size as drawn, in pixels.
    size() {
        const text = quimbeloShipped.pictures[this.name];
        return {
            width: Number(/width="(\d+)"/.exec(text)[1]),
            height: Number(/height="(\d+)"/.exec(text)[1]),
        };
    }

    decode() {
        if (!this.decoded) {
            const image = new Image();
            image.src = this.url();
            this.decoded = image.decode().catch(() => {});
        }
        return this.decoded;
    }

    // The stages are drawn on white: stage 0 is the empty white board.
    get background() {
        return this.stage >= 0 ? '#ffffff' : '';
    }
}

// A window built from its design: its frame, title bar, menu bar and controls. A window
// that the page already shows, drawn by the build (the splash), is taken over as it is:
// its elements get what a built window's get, and it stays on the screen.
class PageWindow {
    constructor(page, id, design) {
        this.page = page;
        this.id = id;
        this.design = design;
        this.controls = [];
        this.timers = new Map();
        this.unprepared = null;
        this.defaultButton = null;
        this.cancelButton = null;

        const modal = design.border === 'dialog';
        this.drawn = document.querySelector(`#desktop > [data-window="${design.name}"][data-prebuilt]`);
        if (this.drawn) {
            this.element = this.drawn;
            delete this.element.dataset.prebuilt;
        } else {
            this.element = element(modal ? 'dialog' : 'section', 'window', null);
            this.element.dataset.window = design.name;
            this.element.hidden = true;
        }
        this.element.style.font = cssFont(design.font);
        if (design.border !== 'none') {
            this.buildTitleBar();
        }
        if (design.menu.length) {
            this.menuBar = new MenuBar(this, design.menu);
        }
        this.client = this.drawn ? this.element.querySelector('.client') : element('div', 'client', this.element);
        this.client.style.width = `${design.width}px`;
        this.client.style.height = `${design.height}px`;
        this.client.style.background = design.background;
        this.names = new Map();
        design.controls.forEach((control, row) => this.buildControl(control, row));
        this.element.addEventListener('keydown', (event) => this.keyDown(event));
    }

    buildTitleBar() {
        const bar = element('div', 'titlebar', this.element);
        if (this.design.border === 'single') {
            const icon = element('img', 'icon', bar);
            icon.alt = '';
            icon.src = this.page.picture('icon').url();
        }
        this.titleText = element('span', 'title', bar);
        this.titleText.id = `${this.design.name}-title`;
        this.titleText.textContent = this.design.title;
        this.element.setAttribute('aria-labelledby', this.titleText.id);
        const close = element('button', 'button', bar);
        close.type = 'button';
        close.textContent = '×';
        close.tabIndex = -1;
        close.setAttribute('aria-label', 'Cerrar');
        close.addEventListener('click', () => this.closeBox());
    }

    buildControl(design, row) {
        const control = { design, row, element: null, target: null, image: null, picture: null };
        this.controls[row] = control;
        this.names.set(design.index < 0 ? design.name : `${design.name}(${design.index})`, control);
        if (design.kind === 'Timer') {
            return;
        }
        const parent = design.container ? this.names.get(design.container).element : this.client;
        const make = {
            Label: () => this.makeLabel(control),
            Image: () => this.makeImage(control),
            PictureBox: () => this.makePictureBox(control),
            Button: () => this.makeButton(control),
            TextBox: () => this.makeTextBox(control),
            Frame: () => this.makeFrame(control),
            Option: () => this.makeOption(control),
            Shape: () => this.makeShape(control),
            Line: () => element('div', 'line'),
        }[design.kind];
        const name = design.index < 0 ? design.name : `${design.name}_${design.index}`;
        const made = this.drawn ? this.takeOver(control, this.element.querySelector(`[data-name="${name}"]`)) : make();
        control.element = made;
        control.target = control.target || made;
        made.classList.add('control');
        made.dataset.name = name;
        if (!this.drawn) {
            parent.appendChild(made);
        }
        if (design.kind !== 'PictureBox') {
            this.place(made, design);
        }
        if (design.font) {
            made.style.font = cssFont(design.font);
        }
        // A line is drawn in its colour; a shape's colour is its hatching.
        if (design.colour && design.kind === 'Line') {
            made.style.background = design.colour;
        } else if (design.colour && design.kind !== 'Shape') {
            made.style.color = design.colour;
        }
        if (design.background) {
            made.style.background = design.background;
        }
        if (design.toolTip) {
            made.title = design.toolTip;
        }
        if (design.accessibleName) {
            control.target.setAttribute('aria-label', design.accessibleName);
        }
        if (design.accessibleDescription) {
            control.target.setAttribute('aria-description', design.accessibleDescription);
        }
        if (design.flags.includes('hidden')) {
            made.hidden = true;
        }
        if (design.flags.includes('envelope')) {
            made.classList.add('envelope');
        }
        if (design.flags.includes('clickable')) {
            made.addEventListener('click', (event) => {
                // Only the control's own surface: what lies on it takes its own clicks.
                if (event.target === made) {
                    this.page.event(this.id, row);
                }
            });
        }
        if (design.tabOrder >= 0 && ['Button', 'TextBox', 'Option', 'PictureBox'].includes(design.kind)) {
            // The design's tab order, before anything of the page.
            control.target.tabIndex = design.tabOrder + 1;
        }
    }

    // A control the build drew: the element, and the picture it shows.
    takeOver(control, made) {
        if (control.design.picture) {
            control.image = made.querySelector('img');
            control.picture = Picture.shownBy(control.design.picture, control.image);
        }
        return made;
    }

    place(made, design) {
        made.style.left = `${design.left}px`;
        made.style.top = `${design.top}px`;
        made.style.width = `${design.width}px`;
        made.style.height = `${design.height}px`;
    }

    makeLabel(control) {
        const label = element('div', 'label');
        label.style.textAlign = control.design.align;
        label.textContent = control.design.caption;
        for (const flag of ['wraps', 'border']) {
            label.classList.toggle(flag, control.design.flags.includes(flag));
        }
        return label;
    }

    makeImage(control) {
        const box = element('div', 'image');
        box.classList.toggle('stretched', control.design.flags.includes('stretched'));
        const clickable = control.design.flags.includes('clickable');
        box.setAttribute('role', clickable ? 'link' : 'img');
        control.image = element('img', '', box);
        control.image.alt = '';
        if (control.design.picture) {
            this.show(control, this.page.picture(control.design.picture, control.design.index));
        }
        return box;
    }

    makePictureBox(control) {
        const box = element('div', 'picturebox');
        box.setAttribute('role', 'img');
        control.image = element('img', '', box);
        control.image.alt = '';
        const picture = this.page.picture(control.design.picture);
        this.show(control, picture);
        // It takes its picture's size plus its border.
        const size = picture.size();
        const border = 2;
        this.place(box, { ...control.design, width: size.width + 2 * border, height: size.height + 2 * border });
        return box;
    }

    makeButton(control) {
        const button = element('button', 'button');
        button.type = 'button';
        button.textContent = control.design.caption;
        if (control.design.flags.includes('default')) {
            button.classList.add('default');
            this.defaultButton = button;
        }
        if (control.design.flags.includes('cancel')) {
            this.cancelButton = button;
        }
        button.addEventListener('click', () => this.page.event(this.id, control.row));
        return button;
    }

    makeTextBox(control) {
        const box = element('input', 'textbox');
        box.type = 'text';
        box.autocomplete = 'off';
        box.spellcheck = false;
        return box;
    }

    makeFrame(control) {
        const frame = element('div', 'frame');
        element('div', 'edge', frame);
        frame.setAttribute('role', 'group');
        if (control.design.caption) {
            frame.classList.add('captioned');
            const legend = element('span', 'legend', frame);
            legend.id = `${this.design.name}-${control.design.name}`;
            legend.textContent = control.design.caption;
            frame.setAttribute('aria-labelledby', legend.id);
        } else {
            frame.classList.add('panel');
        }
        return frame;
    }

    makeOption(control) {
        const option = element('label', 'option');
        control.target = element('input', '', option);
        control.target.type = 'radio';
        control.target.name = `${this.design.name}-${control.design.container}`;
        control.target.checked = control.design.flags.includes('selected');
        control.caption = element('span', '', option);
        control.caption.textContent = control.design.caption;
        control.target.addEventListener('change', () => this.page.event(this.id, control.row));
        return option;
    }

    makeShape(control) {
        const shape = element('div', 'shape');
        const design = control.design;
        // The corners round by a tenth of the shorter side.
        shape.style.borderRadius = `${Math.min(design.width, design.height) / 10}px`;
        if (design.flags.includes('hatched')) {
            shape.classList.add('hatched');
            shape.style.setProperty('--hatch', design.colour);
        }
        return shape;
    }

    show(control, picture) {
        control.picture = picture;
        if (!control.image) {
            return;
        }
        const box = control.image.parentNode;
        if (!picture) {
            control.image.removeAttribute('src');
            box.style.background = '';
            return;
        }
        control.image.src = picture.url();
        if (this.id === SPLASH) {
            // Decoded while the rest of the splash is built: it is shown only once they are.
            picture.decode();
        }
        box.style.background = picture.background || control.design.background;
        if (!control.design.flags.includes('stretched')) {
            const size = picture.size();
            control.image.width = size.width;
            control.image.height = size.height;
        }
    }

    // The next picture this window holds that is not yet decoded; false once none is left.
    preparePicture() {
        if (!this.unprepared) {
            this.unprepared = [...new Set(this.controls.map((control) => control.picture).filter(Boolean))];
        }
        const next = this.unprepared.shift();
        if (!next) {
            return false;
        }
        next.decode();
        return true;
    }

    decodeShown() {
        return Promise.all(this.controls.filter((control) => control.picture).map((control) => control.picture.decode()));
    }

    setCaption(row, text) {
        const control = this.controls[row];
        const target = control.caption || control.element;
        target.textContent = text;
        if (control.design.kind === 'Label') {
            // A caption of several lines grows the label downwards from its place.
            const lines = text.includes('\n');
            target.style.height = lines ? 'auto' : `${control.design.height}px`;
            target.style.minHeight = lines ? `${control.design.height}px` : '';
        }
    }

    setEnabled(row, enabled) {
        const control = this.controls[row];
        if ('disabled' in control.target) {
            control.target.disabled = !enabled;
        } else {
            control.target.setAttribute('aria-disabled', String(!enabled));
        }
    }

    setTextColour(row, rgb) {
        const colour = `#${rgb.toString(16).padStart(6, '0')}`;
        const style = this.controls[row].element.style;
        // The flashing labels change many times a second: only a change is drawn.
        if (style.getPropertyValue('--colour') !== colour) {
            style.setProperty('--colour', colour);
            style.color = colour;
        }
    }

    textWidth(row, text, points) {
        const context = this.page.measuring;
        const control = this.controls[row];
        context.font = points > 0 ? cssFont(control.design.font || this.design.font, points)
            : getComputedStyle(control.element).font;
        return context.measureText(text).width;
    }

    setSpan(row, left, width) {
        const style = this.controls[row].element.style;
        style.left = `${left}px`;
        style.width = `${width}px`;
    }

    lineRoom(row) {
        const label = this.controls[row].element;
        const style = getComputedStyle(label);
        return this.controls[row].design.width - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight)
            - parseFloat(style.borderLeftWidth) - parseFloat(style.borderRightWidth);
    }

    // A timer ticks every period until stopped. While the page is out of sight its ticks
    // are held back, so that a page left in a background tab costs nothing; they start
    // again, each a whole period later, when it is seen again. A window that the build drew
    // has been on the screen since its first frame: its timers count from there.
    startTimer(row, milliseconds) {
        this.stopTimer(row);
        const timer = { milliseconds, interval: null };
        const tick = () => this.page.event(this.id, row, true);
        timer.run = (first = milliseconds) => {
            if (!document.hidden && timer.interval === null) {
                timer.interval = setTimeout(() => {
                    timer.interval = setInterval(tick, milliseconds);
                    tick();
                }, first);
            }
        };
        timer.pause = () => {
            clearTimeout(timer.interval);
            clearInterval(timer.interval);
            timer.interval = null;
        };
        this.timers.set(row, timer);
        const shownFor = this.drawn && quimbeloEarly.paintedAt !== null ? performance.now() - quimbeloEarly.paintedAt : 0;
        timer.run(Math.max(0, milliseconds - shownFor));
    }

    stopTimer(row) {
        const timer = this.timers.get(row);
        if (timer) {
            timer.pause();
            this.timers.delete(row);
        }
    }

    visibilityChanged() {
        for (const timer of this.timers.values()) {
            if (document.hidden) {
                timer.pause();
            } else {
                timer.run();
            }
        }
    }

    stopTimers() {
        for (const row of [...this.timers.keys()]) {
            this.stopTimer(row);
        }
    }

    keyDown(event) {
        if (this.menuBar && this.menuBar.keyDown(event)) {
            return;
        }
        if (this.id === SPLASH) {
            // The key is the splash's: it reaches no window after it.
            event.preventDefault();
            this.page.splashKey(typedCharacter(event), event.altKey);
            return;
        }
        const control = this.controls.find((control) => control.target === event.target);
        if (this.id === GAME && control && control.design.name === 'Letra') {
            if (event.ctrlKey || event.metaKey || (event.altKey && !event.getModifierState('AltGraph'))) {
                return;
            }
            const character = typedCharacter(event);
            // A key held down repeats nothing.
            if (character && !event.repeat) {
                this.page.typed(control.row, character);
            }
            // Enter presses no key of the window; Space presses the focused one.
            if (event.key === 'Enter') {
                event.preventDefault();
            }
            return;
        }
        if (event.key === 'Enter' && this.defaultButton && !event.defaultPrevented) {
            event.preventDefault();
            this.defaultButton.click();
        }
    }

    closeBox() {
        if (this.id === GAME || this.id === SPLASH) {
            this.page.closeRequested(this.id);
        } else {
            this.page.close(this.id);
        }
    }
}

// The menu bar of a window: menus that open by click or Alt and their access key, items
// chosen by click, Enter or their access key, and the items' shortcuts.
class MenuBar {
    constructor(window, items) {
        this.window = window;
        this.menus = [];
        this.shortcuts = new Map();
        this.bar = element('div', 'menubar', window.element);
        this.bar.setAttribute('role', 'menubar');
        items.forEach((item, row) => {
            if (!item.parent) {
                const holder = element('div', '', this.bar);
                const button = element('button', '', holder);
                button.type = 'button';
                button.tabIndex = -1;
                button.setAttribute('role', 'menuitem');
                button.setAttribute('aria-haspopup', 'menu');
                button.setAttribute('aria-expanded', 'false');
                const key = setAccessCaption(button, item.caption);
                const list = element('div', 'menu', holder);
                list.setAttribute('role', 'menu');
                list.hidden = true;
                const menu = { name: item.name, key, button, list, items: [] };
                // A click opens the menu and leaves the focus where it was, for the item
                // chosen to find it there.
                button.addEventListener('mousedown', (event) => event.preventDefault());
                button.addEventListener('click', () => (menu.list.hidden ? this.open(menu, false) : this.closeMenus()));
                button.addEventListener('mouseenter', () => {
                    if (this.openMenu && this.openMenu !== menu) {
                        this.open(menu, false);
                    }
                });
                this.menus.push(menu);
                return;
            }
            const menu = this.menus.find((candidate) => candidate.name === item.parent);
            if (item.caption === '-') {
                element('div', '', menu.list).setAttribute('role', 'separator');
                return;
            }
            const button = element('button', '', menu.list);
            button.type = 'button';
            button.tabIndex = -1;
            button.setAttribute('role', 'menuitem');
            button.dataset.name = item.name;
            const key = setAccessCaption(button, item.caption);
            if (item.shortcut) {
                button.setAttribute('aria-keyshortcuts', item.shortcut.replace('Ctrl', 'Control'));
                this.shortcuts.set(item.shortcut, row);
            }
            button.addEventListener('mousedown', (event) => event.preventDefault());
            button.addEventListener('click', () => this.choose(row));
            menu.items.push({ button, key, row });
        });
        document.addEventListener('pointerdown', (event) => {
            if (this.openMenu && !this.bar.contains(event.target)) {
                this.closeMenus();
            }
        });
    }

    open(menu, withKeyboard) {
        if (!this.openMenu) {
            this.returnFocus = document.activeElement;
        }
        this.closeMenus(false);
        this.openMenu = menu;
        menu.list.hidden = false;
        menu.button.setAttribute('aria-expanded', 'true');
        (withKeyboard ? menu.items[0].button : menu.button).focus();
    }

    closeMenus(restoreFocus = true) {
        for (const menu of this.menus) {
            menu.list.hidden = true;
            menu.button.setAttribute('aria-expanded', 'false');
        }
        const wasOpen = this.openMenu;
        this.openMenu = null;
        if (wasOpen && restoreFocus && this.returnFocus) {
            this.returnFocus.focus();
        }
    }

    choose(row) {
        this.closeMenus();
        this.window.page.menu(row);
    }

    // The window's keys: shortcuts, Alt and an access key, and the keys of an open menu.
    // True when the key was the menu bar's.
    keyDown(event) {
        const shortcut = event.key === 'F2' && !event.ctrlKey && !event.altKey ? 'F2'
            : event.ctrlKey && !event.altKey && event.key.toLowerCase() === 's' ? 'Ctrl+S' : '';
        // What a screen reader is told on request: F3 the round, F4 the counters. F3 is
        // the game's, not the browser's "find next".
        const request = ['F3', 'F4'].indexOf(event.key);
        if (request >= 0 && !event.ctrlKey && !event.altKey && !event.shiftKey) {
            event.preventDefault();
            this.window.page.speak(request);
            return true;
        }
        if (shortcut && this.shortcuts.has(shortcut)) {
            // Ctrl+S is the game's, not the browser's "save page".
            event.preventDefault();
            if (!event.repeat) {
                this.choose(this.shortcuts.get(shortcut));
            }
            return true;
        }
        if (event.altKey && !event.ctrlKey) {
            const menu = this.menus.find((candidate) => candidate.key === event.key.toLowerCase());
            if (menu) {
                event.preventDefault();
                this.open(menu, true);
                return true;
            }
        }
        const menu = this.openMenu;
        if (!menu) {
            return false;
        }
        const at = menu.items.findIndex((item) => item.button === document.activeElement);
        const step = (by) => menu.items[(at + by + menu.items.length) % menu.items.length].button.focus();
        const neighbour = (by) => this.menus[(this.menus.indexOf(menu) + by + this.menus.length) % this.menus.length];
        switch (event.key) {
        case 'ArrowDown':
            step(at < 0 ? 0 : 1);
            break;
        case 'ArrowUp':
            step(at < 0 ? 0 : -1);
            break;
        case 'ArrowRight':
            this.open(neighbour(1), true);
            break;
        case 'ArrowLeft':
            this.open(neighbour(-1), true);
            break;
        case 'Escape':
            this.closeMenus();
            break;
        case 'Enter':
        case ' ':
            if (at >= 0) {
                this.choose(menu.items[at].row);
            } else {
                this.open(menu, true);
            }
            break;
        default: {
            const item = menu.items.find((candidate) => candidate.key === event.key.toLowerCase());
            if (!item) {
                return true;
            }
            this.choose(item.row);
        }
        }
        event.preventDefault();
        return true;
    }
}

// The page: its windows, dialogs and live region, and the way into the program.
//
// The windows the program builds are <section> elements in #desktop (About a <dialog>),
// each control an element with data-name set to its design name ("Letra_19"). What the
// page offers beyond the desktop's windows (the help text, the end of the game) lives in
// index.html: a further panel is one more <dialog> there, opened by a script of its own,
// and a page's own menu can sit beside the design's in the game window's .menubar. The
// game's keys reach the program only through Page's calls below, and not while a modal
// dialog (this.modal) is open.
class Page {
    constructor() {
        this.desktop = document.getElementById('desktop');
        this.announcer = document.getElementById('announcer');
        this.windows = new Map();
        this.programFolder = PROGRAM_FOLDER;
        this.modal = 0;
        this.measuring = document.createElement('canvas').getContext('2d');
        this.spoken = [];
        this.listsDone = false;
        const cursor = encodeURIComponent(quimbeloShipped.pictures.cursor);
        document.documentElement.style.setProperty('--envelope-cursor', `url("data:image/svg+xml,${cursor}") 2 4`);
        document.getElementById('again').addEventListener('click', () => location.reload());
        const help = document.getElementById('help');
        help.querySelector('[data-close]').addEventListener('click', () => help.close());
        document.addEventListener('visibilitychange', () => {
            for (const window of this.windows.values()) {
                window.visibilityChanged();
            }
        });
        // The window on the page takes the keys wherever the focus is: the splash all of
        // them, the game window its shortcuts and menu keys.
        document.addEventListener('keydown', (event) => {
            if (event.defaultPrevented || this.modal) {
                return;
            }
            for (const window of this.windows.values()) {
                if (!window.closed && !window.element.hidden && !window.element.contains(event.target)
                    && (window.id === SPLASH || window.menuBar)) {
                    window.keyDown(event);
                }
            }
        });
    }

    // A new picture object of a drawing; of the gallows, at a stage.
    picture(name, index = -1) {
        return new Picture(name, name === 'gallows' ? index : -1);
    }

    // Calls into the program. Events stop while a dialog waits for its answer, as the
    // desktop's modal boxes stop the window's input; the timers go on.
    call(name, ...args) {
        if (this.module && this.module[name]) {
            this.module[name](...args);
        }
    }

    event(window, row, fromTimer = false) {
        if (fromTimer || !this.modal) {
            this.call('_quimbelo_event', window, row);
        }
    }

    menu(row) {
        if (!this.modal) {
            this.call('_quimbelo_menu', row);
        }
    }

    typed(row, character) {
        if (!this.modal) {
            this.call('_quimbelo_typed', row, character);
        }
    }

    speak(what) {
        if (!this.modal) {
            this.call('_quimbelo_speak', what);
        }
    }

    splashKey(character, withAlt) {
        this.call('_quimbelo_splash_key', character, withAlt ? 1 : 0);
    }

    closeRequested(window) {
        this.call('_quimbelo_close', window);
    }

    // The program's requests, as page.cpp makes them.
    build(id, design) {
        const window = new PageWindow(this, id, design);
        this.windows.set(id, window);
        if (window.drawn) {
            return;
        }
        if (window.element.localName !== 'dialog') {
            window.element.inert = true;
            this.desktop.appendChild(window.element);
        } else {
            document.body.appendChild(window.element);
        }
    }

    show(id) {
        const window = this.windows.get(id);
        if (id === SPLASH) {
            // The splash comes whole: its pictures are decoded before its first frame. The
            // game window's were decoded while the splash was shown.
            const painted = () => {
                this.startLists();
                this.call('_quimbelo_splash_painted');
                this.prepareWhileIdle(window.drawn);
            };
            window.decodeShown().then(() => {
                window.element.hidden = false;
                window.element.tabIndex = -1;
                window.element.focus();
                if (!window.drawn) {
                    requestAnimationFrame(() => {
                        performance.mark('quimbelo:splash-frame');
                        painted();
                    });
                    return;
                }
                // The build's splash made its own first frame, perhaps not yet.
                quimbeloEarly.painted.then(() => {
                    painted();
                    this.handOnEarlyEvents();
                });
            });
            return;
        }
        window.element.hidden = false;
        window.element.inert = false;
        if (id === GAME) {
            document.title = window.titleText.textContent;
            requestAnimationFrame(() => performance.mark('quimbelo:game-frame'));
        }
    }

    // The keys and clicks that the build's splash was given before the program took it
    // over, given again in their order: to the page's handlers, as if they came now.
    handOnEarlyEvents() {
        quimbeloEarly.taken = true;
        for (const event of quimbeloEarly.events.splice(0)) {
            const options = {
                bubbles: true, cancelable: true, composed: true, view: window,
                altKey: event.altKey, ctrlKey: event.ctrlKey, shiftKey: event.shiftKey, metaKey: event.metaKey,
            };
            const again = event.type === 'keydown'
                ? new KeyboardEvent('keydown', {
                    ...options, key: event.key, code: event.code, location: event.location,
                    repeat: event.repeat, modifierAltGraph: event.getModifierState('AltGraph'),
                })
                : new MouseEvent('click', {
                    ...options, button: event.button, detail: event.detail,
                    clientX: event.clientX, clientY: event.clientY, screenX: event.screenX, screenY: event.screenY,
                });
            (event.target.isConnected ? event.target : document.body).dispatchEvent(again);
        }
    }

    // The game window is prepared behind the splash in steps, each when the page has
    // nothing else to do, so that a key on the splash is answered at once.
    // Behind the splash that the build drew, which draws nothing more, the steps follow
    // each other as the page's tasks, a key still answered between two of them.
    prepareWhileIdle(drawn) {
        const step = () => {
            if (this.module && this.module._quimbelo_idle()) {
                later(step);
            }
        };
        const task = window.scheduler && scheduler.postTask ? (work) => scheduler.postTask(work)
            : (work) => setTimeout(work, 0);
        const later = drawn || !window.requestIdleCallback ? task
            : (work) => requestIdleCallback(work, { timeout: 50 });
        later(step);
    }

    // Takes a window off the page. What it showed stays for whoever shares its pictures.
    close(id) {
        const window = this.windows.get(id);
        if (!window || window.closed) {
            return;
        }
        window.closed = true;
        window.stopTimers();
        if (window.element.open) {
            window.element.close();
        }
        window.element.remove();
    }

    setTitle(id, text) {
        const window = this.windows.get(id);
        if (window.titleText) {
            window.titleText.textContent = text;
        }
    }

    control(id, row) {
        return this.windows.get(id).controls[row];
    }

    setCaption(id, row, text) { this.windows.get(id).setCaption(row, text); }

    setSpan(id, row, left, width) { this.windows.get(id).setSpan(row, left, width); }

    text(id, row) { return this.control(id, row).target.value; }

    setText(id, row, text) { this.control(id, row).target.value = text; }

    setEnabled(id, row, enabled) { this.windows.get(id).setEnabled(row, enabled); }

    setVisible(id, row, visible) { this.control(id, row).element.hidden = !visible; }

    setTextColour(id, row, rgb) { this.windows.get(id).setTextColour(row, rgb); }

    sharePicture(source, sourceRow, target, targetRow) {
        this.windows.get(target).show(this.control(target, targetRow), this.control(source, sourceRow).picture);
    }

    preparePicture(id) { return this.windows.get(id).preparePicture(); }

    setFontSize(id, row, points) { this.control(id, row).element.style.fontSize = `${points}pt`; }

    textWidth(id, row, text, points) { return this.windows.get(id).textWidth(row, text, points); }

    lineRoom(id, row) { return this.windows.get(id).lineRoom(row); }

    setAccessibleName(id, row, text) { this.control(id, row).target.setAttribute('aria-label', text); }

    setAccessibleDescription(id, row, text) {
        this.control(id, row).target.setAttribute('aria-description', text);
    }

    hasFocus(id, row) { return document.activeElement === this.control(id, row).target; }

    setFocus(id, row) { this.control(id, row).target.focus(); }

    startTimer(id, row, milliseconds) { this.windows.get(id).startTimer(row, milliseconds); }

    stopTimer(id, row) { this.windows.get(id).stopTimer(row); }

    // The polite live region: cleared first, so that a sentence said twice is heard twice,
    // then given every sentence said meanwhile, in order.
    announce(text) {
        this.spoken.push(text);
        if (this.spoken.length > 1) {
            return;
        }
        this.announcer.textContent = '';
        setTimeout(() => {
            for (const sentence of this.spoken) {
                element('p', '', this.announcer).textContent = sentence;
            }
            this.spoken = [];
        }, 50);
    }

    // A modal message box: the program waits for the button pressed. Style codes and
    // answers are the desktop's: 64 information, 16 critical, 4 Yes and No; 1 OK, 6 Yes,
    // 7 No.
    messageBox(text, style, title, captions) {
        const question = style === 4;
        const dialog = element('dialog', 'window message', document.body);
        dialog.setAttribute('role', 'alertdialog');
        dialog.setAttribute('aria-modal', 'true');
        const bar = element('div', 'titlebar', dialog);
        const titleText = element('span', 'title', bar);
        titleText.id = 'message-title';
        titleText.textContent = title;
        dialog.setAttribute('aria-labelledby', titleText.id);
        const body = element('div', 'body', dialog);
        if (!question) {
            const icon = element('div', `icon ${style === 64 ? 'information' : 'critical'}`, body);
            icon.textContent = style === 64 ? 'i' : '×';
            icon.setAttribute('aria-hidden', 'true');
        }
        const message = element('div', 'text', body);
        message.id = 'message-text';
        message.textContent = text;
        dialog.setAttribute('aria-describedby', message.id);
        const buttons = element('div', 'buttons', dialog);
        const answers = question ? [[captions.yes, 6], [captions.no, 7]] : [[captions.ok, 1]];
        return new Promise((resolve) => {
            let answered = false;
            const answer = (code) => {
                if (answered) {
                    return;
                }
                answered = true;
                dialog.close();
                dialog.remove();
                --this.modal;
                resolve(code);
            };
            const made = answers.map(([caption, code]) => {
                const button = element('button', 'button', buttons);
                button.type = 'button';
                button.textContent = caption;
                button.addEventListener('click', () => answer(code));
                return button;
            });
            if (!question) {
                const close = element('button', 'button', bar);
                close.type = 'button';
                close.textContent = '×';
                close.tabIndex = -1;
                close.setAttribute('aria-label', 'Cerrar');
                close.addEventListener('click', () => answer(1));
            }
            // A question has no way out but its two buttons; Esc is OK elsewhere. Should the
            // browser close the box all the same, a question comes back.
            dialog.addEventListener('cancel', (event) => {
                event.preventDefault();
                if (!question) {
                    answer(1);
                }
            });
            dialog.addEventListener('close', () => {
                if (!answered && question) {
                    dialog.showModal();
                    made[0].focus();
                } else if (!answered) {
                    answer(1);
                }
            });
            dialog.addEventListener('keydown', (event) => {
                if (event.key === 'Escape') {
                    event.preventDefault();
                    if (!question) {
                        answer(1);
                    }
                }
                const at = made.indexOf(document.activeElement);
                if ((event.key === 'ArrowRight' || event.key === 'ArrowLeft') && at >= 0) {
                    made[(at + (event.key === 'ArrowRight' ? 1 : made.length - 1)) % made.length].focus();
                    event.preventDefault();
                }
                event.stopPropagation();
            });
            ++this.modal;
            dialog.showModal();
            // Yes, or the only button, is the default.
            made[0].focus();
        });
    }

    showModal(id) {
        const window = this.windows.get(id);
        const dialog = window.element;
        dialog.hidden = false;
        const closed = () => {
            this.close(id);
            --this.modal;
        };
        dialog.addEventListener('cancel', (event) => {
            event.preventDefault();
            if (window.cancelButton) {
                window.cancelButton.click();
            }
        });
        dialog.addEventListener('close', closed, { once: true });
        // Its buttons close it: "Aceptar" is the only one, its default and cancel button.
        for (const control of window.controls) {
            if (control.design.kind === 'Button') {
                control.target.addEventListener('click', () => dialog.close());
            }
        }
        ++this.modal;
        dialog.showModal();
        const first = window.controls.filter((control) => control.target && control.target.tabIndex > 0)
            .sort((a, b) => a.target.tabIndex - b.target.tabIndex)[0];
        if (first) {
            first.target.focus();
        }
    }

    // The game has ended: every window goes, and the page says so and offers a new start.
    ended() {
        for (const id of [...this.windows.keys()]) {
            this.close(id);
        }
        document.getElementById('help').close();
        const ended = document.getElementById('ended');
        ended.hidden = false;
        document.getElementById('again').focus();
    }

    showText(title, text) {
        const help = document.getElementById('help');
        document.getElementById('help-title').textContent = title;
        help.querySelector('pre').textContent = text.replace(/\r\n?/g, '\n');
        if (!help.open) {
            help.show();
        }
        help.querySelector('pre').focus();
    }

    openLink(url) {
        const link = document.createElement('a');
        link.href = url;
        link.click();
    }
}

// Starts the program in the page: the word lists are fetched once the splash is up (the
// splash needs none of them, the game window from the hand-over on), or when the game
// window asks for them, whichever comes first.
function startQuimbelo() {
    const page = new Page();
    const module = {
        page,
        preRun: [() => {
            page.listsReady = new Promise((resolve) => { page.startLists = resolve; })
                .then(() => prepareLists(module, PROGRAM_FOLDER))
                .catch((error) => console.warn(`word lists: ${error}`))
                .finally(() => { page.listsDone = true; });
        }],
        instantiateWasm(imports, done) {
            compiledProgram.then((compiled) => WebAssembly.instantiate(compiled, imports)
                .then((instance) => done(instance, compiled)))
                .catch((error) => console.error(`quimbelo.wasm: ${error}`));
            return {};
        },
    };
    page.module = module;
    return Quimbelo(module);
}
