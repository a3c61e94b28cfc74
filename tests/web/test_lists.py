# SPDX-License-Identifier: MIT
# The word lists in the page, played in headless Chromium: edited and read at the next round, kept across a reload and a restart, uploaded, downloaded, restored, refused, and the page served by its service worker with the server gone.
#   test_lists.py PAGE_FOLDER DATA_FOLDER [unittest options and test names]
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

PAGE = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else ''
DATA = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else ''
HERE = os.path.dirname(os.path.abspath(__file__))

from selenium.common.exceptions import NoAlertPresentException, TimeoutException  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# The game's message for a list whose first item opens a quote never closed, as the
# desktop shows it, in the page's folder of the game.
UNCLOSED_QUOTE = ('La lista de palabras tiene una comilla sin cerrar en la línea 1:\n'
                  '/quimbelo/propios.TXT\n\nEl juego no puede continuar y se cerrará.')


class ListsInThePage(unittest.TestCase):
    # One browser for all the tests, each on a server of its own: another port is
    # another origin, whose storage and service worker start empty.
    @classmethod
    def setUpClass(cls):
        cls.browser = browser.Browser()
        browser.start_or_skip(cls.browser)

    @classmethod
    def tearDownClass(cls):
        cls.browser.remove()

    def setUp(self):
        self.server = browser.Server(PAGE)
        self.driver = self.browser.driver

    def tearDown(self):
        if self.server:
            self.server.stop()
        # The next test starts from one tab, which leaves nothing of this one running.
        handles = self.browser.driver.window_handles
        for handle in handles[1:]:
            self.browser.driver.switch_to.window(handle)
            self.browser.driver.close()
        self.browser.driver.switch_to.window(handles[0])
        self.driver = self.browser.driver
        self.driver.get('about:blank')
        self.accept_leaving()

    # The page and the game

    def wait(self, condition, seconds=20, what='the page'):
        try:
            return WebDriverWait(self.driver, seconds, poll_frequency=0.05).until(lambda d: condition())
        except TimeoutException:
            self.fail('%s did not come in %d s' % (what, seconds))

    def control(self, name):
        return self.driver.find_element(By.CSS_SELECTOR, '[data-window="Form1"] [data-name="%s"]' % name)

    def open_page(self):
        """Opens the page and hands the splash over by a letter, which the game does not
        take as a guess: the game window shows a round's hidden word."""
        self.driver.get(self.server.url if self.server else self.url)
        self.url = self.driver.current_url
        self.wait(lambda: self.driver.find_elements(By.CSS_SELECTOR, '[data-window="frmSplash"]')
                  or self.game_shown(), what='the splash')
        if not self.game_shown():
            ActionChains(self.driver).send_keys('x').perform()
        self.wait(lambda: self.game_shown() and self.control('Pelicula1').text, what='the game window')

    def game_shown(self):
        games = self.driver.find_elements(By.CSS_SELECTOR, '[data-window="Form1"]')
        return bool(games) and games[0].is_displayed()

    def play_theme(self, option):
        """Starts a round on another theme by its option button; returns the hidden word
        as shown. The round is drawn as the option's change is handled."""
        radio = self.control(option).find_element(By.CSS_SELECTOR, 'input')
        self.assertFalse(radio.is_selected(), 'the theme is already chosen')
        self.control(option).click()
        self.wait(radio.is_selected, what='the theme chosen')
        return self.control('Pelicula1').text

    def press_key(self, caption):
        for key in self.driver.find_elements(By.CSS_SELECTOR, '[data-window="Form1"] [data-name^="Letra_"]'):
            if key.text == caption:
                key.click()
                return
        self.fail('no key %s' % caption)

    def message(self):
        shown = self.driver.find_elements(By.CSS_SELECTOR, 'dialog.message[open] #message-text')
        return shown[0].get_attribute('textContent').replace('\r\n', '\n').replace('\r', '\n') if shown else None

    def answer_message(self):
        self.driver.find_element(By.CSS_SELECTOR, 'dialog.message[open] .buttons button').click()

    # The list editor

    def open_editor(self, file):
        if not self.driver.find_element(By.ID, 'listas').is_displayed():
            self.driver.find_element(By.ID, 'abrir-listas').click()
        self.driver.find_element(By.XPATH, '//dialog[@id="listas"]//button[@role="tab"][.="%s"]' % file).click()
        self.wait(lambda: self.driver.find_element(By.XPATH, '//button[@role="tab"][.="%s"]' % file)
                  .get_attribute('aria-selected') == 'true', what='the list %s' % file)
        return self.driver.find_element(By.ID, 'listas-texto')

    def editor_text(self):
        return self.driver.find_element(By.ID, 'listas-texto').get_attribute('value')

    def state(self):
        return self.driver.find_element(By.ID, 'listas-estado').text

    def problem(self):
        return self.driver.find_element(By.ID, 'listas-error').text

    def type_list(self, text):
        area = self.driver.find_element(By.ID, 'listas-texto')
        area.send_keys(Keys.CONTROL, 'a')
        area.send_keys(Keys.DELETE)
        area.send_keys(text)

    def save(self):
        self.driver.find_element(By.ID, 'listas-guardar').click()
        self.wait(lambda: self.state().startswith('Guardada') or self.problem(), what='the save')

    def close_editor(self):
        self.driver.find_element(By.ID, 'listas-cerrar').click()
        self.wait(lambda: not self.driver.find_element(By.ID, 'listas').is_displayed(), what='the editor closed')

    def answer_yes(self):
        self.wait(lambda: self.driver.find_element(By.ID, 'listas-pregunta').is_displayed(), what='the question')
        self.driver.find_element(By.ID, 'listas-si').click()

    def download(self, file):
        target = os.path.join(self.browser.downloads, file)
        if os.path.exists(target):
            os.remove(target)
        self.driver.find_element(By.ID, 'listas-descargar').click()
        self.wait(lambda: os.path.exists(target) and not os.path.exists(target + '.crdownload'),
                  what='the download of %s' % file)
        with open(target, 'rb') as f:
            return f.read()

    def shipped(self, file):
        with open(os.path.join(DATA, file), 'rb') as f:
            return f.read()

    def reload(self):
        self.driver.refresh()
        self.accept_leaving()

    def accept_leaving(self):
        try:
            # A page with a list the browser did not keep asks before it goes.
            self.driver.switch_to.alert.accept()
        except NoAlertPresentException:
            pass

    # The tests

    def test_an_edited_list_is_read_at_the_next_round_and_kept(self):
        self.open_page()
        self.open_editor('propios.TXT')
        self.assertEqual(self.state(), 'Tal como viene con el juego.')
        self.assertTrue(self.editor_text().startswith('perro\ngato\n'))
        self.type_list('ñandú')
        self.assertEqual(self.state(), 'Con cambios sin guardar.')
        # The editor's keys are its own: F2 starts no round, and Ctrl+S saves the list
        # where the game window would end the game.
        rounds = self.control('Label11').text
        area = self.driver.find_element(By.ID, 'listas-texto')
        area.send_keys(Keys.F2)
        area.send_keys(Keys.CONTROL, 's')
        self.wait(lambda: self.state().startswith('Guardada') or self.problem(), what='the save')
        self.assertEqual(self.problem(), '')
        self.assertEqual(self.control('Label11').text, rounds)
        self.assertTrue(self.game_shown())
        # Saved in Windows-1252, one byte a letter, with the list's CR LF.
        self.assertEqual(self.download('propios.TXT'), 'ñandú'.encode('cp1252'))
        self.close_editor()
        self.assertEqual(self.play_theme('Option1'), '-----')
        self.press_key('Ñ')
        self.assertEqual(self.control('Pelicula1').text, 'Ñ----')

        # Kept across a reload, and across a restart of the browser.
        for restart in (False, True):
            if restart:
                self.browser.stop()
                self.driver = self.browser.start()
                self.open_page()
            else:
                self.reload()
                self.open_page()
            self.assertEqual(self.play_theme('Option1'), '-----')
            self.open_editor('propios.TXT')
            self.assertEqual(self.editor_text(), 'ñandú')
            self.assertEqual(self.state(), 'Cambiada por ti. El juego la lee al empezar cada partida.')
            self.close_editor()

        # Restored, it is the shipped list again, byte for byte, after a reload too.
        self.open_editor('propios.TXT')
        self.driver.find_element(By.ID, 'listas-restaurar').click()
        self.answer_yes()
        self.wait(lambda: self.state().startswith('Restaurada'), what='the restore')
        self.assertEqual(self.download('propios.TXT'), self.shipped('propios.TXT'))
        self.reload()
        self.open_page()
        self.open_editor('propios.TXT')
        self.assertEqual(self.state(), 'Tal como viene con el juego.')
        self.assertTrue(self.driver.find_element(By.ID, 'listas-restaurar').get_attribute('disabled'))
        self.assertEqual(self.download('propios.TXT'), self.shipped('propios.TXT'))

    def test_a_bad_list_gives_the_games_message_and_can_be_put_right(self):
        self.open_page()
        self.open_editor('propios.TXT')
        self.type_list('"sin cerrar\nperro')
        self.save()
        self.close_editor()
        self.play_theme('Option1')
        self.wait(self.message, what="the game's message")
        self.assertEqual(self.message(), UNCLOSED_QUOTE)
        self.answer_message()
        # The game has ended; the lists can still be put right, and the game played again.
        self.wait(lambda: self.driver.find_element(By.ID, 'ended').is_displayed(), what='the end of the game')
        self.open_editor('propios.TXT')
        self.driver.find_element(By.ID, 'listas-restaurar').click()
        self.answer_yes()
        self.wait(lambda: self.state().startswith('Restaurada'), what='the restore')
        self.close_editor()
        self.driver.find_element(By.ID, 'again').click()
        self.open_page()
        self.assertTrue(self.play_theme('Option1'))
        self.assertIsNone(self.message())

    def test_an_upload_is_kept_as_its_bytes_and_shown_as_the_game_reads_it(self):
        self.open_page()
        # A Windows-1252 list to which a UTF-8 editor added a line: each line read in its own.
        uploaded = 'cigüeña\r\n'.encode('cp1252') + 'ñu ñu\r\n'.encode('utf-8')
        with tempfile.NamedTemporaryFile(suffix='.TXT', delete=False) as f:
            f.write(uploaded)
        try:
            self.open_editor('peliculas.TXT')
            self.driver.find_element(By.ID, 'listas-archivo').send_keys(f.name)
            self.wait(lambda: self.editor_text().startswith('cigüeña'), what='the uploaded list')
        finally:
            os.remove(f.name)
        self.assertEqual(self.editor_text(), 'cigüeña\nñu ñu\n')
        self.assertEqual(self.download('peliculas.TXT'), uploaded)
        # Saved from the editor, it becomes Windows-1252 through and through.
        self.save()
        self.assertEqual(self.download('peliculas.TXT'), 'cigüeña\r\nñu ñu\r\n'.encode('cp1252'))

        # A character the code page lacks is refused, named with its line; the text stays
        # in the editor and the kept list as it was.
        self.type_list('bien\nŐrült')
        self.driver.find_element(By.ID, 'listas-guardar').click()
        self.wait(self.problem, what='the refusal')
        self.assertEqual(self.problem(), 'La lista tiene caracteres que el juego no puede usar: «Ő» (línea 2). '
                         'Cámbialos y vuelve a guardar.')
        self.assertEqual(self.editor_text(), 'bien\nŐrült')
        self.assertEqual(self.download('peliculas.TXT'), 'cigüeña\r\nñu ñu\r\n'.encode('cp1252'))

    def test_a_save_the_browser_refuses_says_so_and_keeps_the_text(self):
        self.open_page()
        self.open_editor('peliculas.TXT')
        self.driver.execute_script(
            "IDBObjectStore.prototype.put = function () {"
            " throw new DOMException('Sin espacio', 'QuotaExceededError'); };")
        self.type_list('la ventana')
        self.save()
        self.assertEqual(
            self.problem(),
            'No se ha podido guardar la lista en este navegador (no queda espacio). El juego la usará '
            'mientras no cierres la página, pero al volver a abrirla no estará: el texto sigue en el '
            'editor para que lo intentes de nuevo o lo descargues.')
        self.assertEqual(self.editor_text(), 'la ventana')
        self.assertEqual(self.state(), 'Sin guardar en el navegador: el juego la usa hasta que cierres la página.')
        self.close_editor()
        # The game reads it in this visit; after a reload the kept list is the shipped one.
        self.assertEqual(self.play_theme('Option2'), '-- -------')
        self.reload()
        self.open_page()
        self.open_editor('peliculas.TXT')
        self.assertEqual(self.state(), 'Tal como viene con el juego.')

    def test_the_page_plays_offline_from_its_service_worker(self):
        self.open_page()
        self.wait(lambda: self.driver.execute_script('return !!navigator.serviceWorker.controller'),
                  what='the service worker')
        self.open_editor('propios.TXT')
        self.type_list('sin red')
        self.save()
        self.close_editor()
        # Installable: a manifest with the game's name and icons, no complaint from Chromium.
        manifest = self.driver.execute_cdp_cmd('Page.getAppManifest', {})
        self.assertEqual(manifest['errors'], [])
        self.assertIn('"name": "El Quimbelo"', manifest['data'])
        self.assertEqual(self.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors'], [])

        self.server.stop()
        self.server = None
        self.reload()
        self.open_page()
        self.assertEqual(self.play_theme('Option1'), '--- ---')
        self.press_key('N')
        self.assertEqual(self.control('Pelicula1').text, '--N ---')
        # Every list comes from the cache too.
        for file in ('diccionario.TXT', 'peliculas.TXT'):
            self.open_editor(file)
            self.assertEqual(self.download(file), self.shipped(file))
        self.close_editor()

    def test_two_tabs_keep_each_others_lists(self):
        self.open_page()
        first = self.driver.current_window_handle
        self.driver.switch_to.new_window('tab')
        second = self.driver.current_window_handle
        self.open_page()
        # Each tab writes only the list it saves: the second tab, which has not heard of
        # the first tab's save (its word is silenced here), must not write its older copy
        # of propios.TXT over the first tab's when it saves peliculas.TXT.
        self.driver.switch_to.window(first)
        self.driver.execute_script('BroadcastChannel.prototype.postMessage = function () {};')
        self.open_editor('propios.TXT')
        self.type_list('uno')
        self.save()
        self.driver.switch_to.window(second)
        self.open_editor('peliculas.TXT')
        self.type_list('dos')
        self.save()
        self.close_editor()
        self.driver.switch_to.window(first)
        self.reload()
        self.open_page()
        self.open_editor('propios.TXT')
        self.assertEqual(self.editor_text(), 'uno')
        self.open_editor('peliculas.TXT')
        self.assertEqual(self.editor_text(), 'dos')
        # A tab that hears of a save reads the saved list at its next round.
        self.open_editor('propios.TXT')
        self.type_list('tres')
        self.save()
        self.driver.switch_to.window(second)
        self.assertEqual(self.play_theme('Option1'), '----')
        self.press_key('T')
        self.assertEqual(self.control('Pelicula1').text, 'T---')

    def test_a_list_as_shipped_follows_a_new_version_and_a_players_list_stays(self):
        self.open_page()
        # As an earlier version would have left them in IndexedDB: propios.TXT as that
        # version shipped it, dated with its stamp before 2000, and peliculas.TXT as the
        # player saved it.
        self.driver.execute_async_script('''
            const done = arguments[arguments.length - 1];
            const request = indexedDB.open('/quimbelo');
            request.onsuccess = () => {
                const transaction = request.result.transaction(['FILE_DATA'], 'readwrite');
                const store = transaction.objectStore('FILE_DATA');
                const file = (text, time) => ({ timestamp: new Date(time), mode: 0o100666,
                                                contents: new TextEncoder().encode(text) });
                store.put(file('viejo', Date.UTC(1990, 0, 1)), '/quimbelo/propios.TXT');
                store.put(file('mía', Date.UTC(2024, 0, 1)), '/quimbelo/peliculas.TXT');
                transaction.oncomplete = () => done();
            };''')
        self.reload()
        self.open_page()
        self.open_editor('propios.TXT')
        self.assertEqual(self.state(), 'Tal como viene con el juego.')
        self.assertEqual(self.download('propios.TXT'), self.shipped('propios.TXT'))
        self.open_editor('peliculas.TXT')
        self.assertEqual(self.state(), 'Cambiada por ti. El juego la lee al empezar cada partida.')
        self.assertEqual(self.editor_text(), 'mía')

    def test_list_text_rules_in_the_browser(self):
        self.open_page()
        with open(os.path.join(HERE, 'listtext_cases.js'), encoding='utf-8') as f:
            cases = f.read()
        failures = self.driver.execute_async_script(
            cases + '\nlistTextCases(QuimbeloListText).then(arguments[arguments.length - 1]);')
        self.assertEqual(failures, [])
        # Every shipped list shows in the editor and saves back byte for byte.
        failures = self.driver.execute_async_script('''
            const done = arguments[arguments.length - 1];
            Promise.all(kShippedLists.map(async (list) => {
                const bytes = await fetchShippedList(list);
                const saved = QuimbeloListText.encodeList(QuimbeloListText.decodeList(bytes),
                                                          QuimbeloListText.lineBreakOf(bytes)).bytes;
                return saved && saved.length === bytes.length && saved.every((b, i) => b === bytes[i])
                    ? null : list.file;
            })).then((r) => done(r.filter((f) => f)));''')
        self.assertEqual(failures, [])


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
