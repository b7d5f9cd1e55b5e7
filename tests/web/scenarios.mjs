// The page end to end in Debian's Chromium: one row for each path the page's own code takes from
// the browser's events to the program and back. The amounts themselves are the core's tests'.
//   node scenarios.mjs SITE_FOLDER
import { pathToFileURL } from 'node:url';
import { check, open_page, run_table, serve, site, wait_for, window_state } from './lib.mjs';

const server = await serve();

const focused = () => document.activeElement?.id ?? null;
const about_windows = () => document.querySelectorAll('#frmAbout').length;
const about_texts = () => ['frmAbout-title', 'lblTitle', 'lblVersion'].map(
    (id) => document.getElementById(id)?.textContent ?? null);
const help_heading = () => document.querySelector('#help h1')?.textContent ?? null;
const message_box = () => {
  const box = document.querySelector('dialog[open][role=alertdialog]');
  return box ? [box.querySelector('h2').textContent, box.querySelector('p').textContent,
                document.activeElement?.textContent] : null;
};

async function paste(page, text) {
  await page.evaluate((pasted) => {
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    document.activeElement.dispatchEvent(
        new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  }, text);
}

const rows = [
  {
    name: 'an amount typed, then TAB: the field tidied, the sentence, the arrow, the other field',
    run: async (page) => {
      await page.keyboard.type('1');
      await page.keyboard.press('Tab');
      await wait_for(page, 'after TAB', window_state,
                     ['1,00', '166 [selected]', '1,00 Euros  =  166 Ptas.', 'fdcha']);
    },
  },
  {
    name: 'Shift+TAB back, and TAB round from the last field to the first',
    run: async (page) => {
      await page.keyboard.press('Tab');
      await page.keyboard.type('102');
      await page.keyboard.press('Shift+Tab');
      await wait_for(page, 'after Shift+TAB', window_state,
                     ['0,61 [selected]', '102', '102 Ptas.  =  0,61 Euros', 'fizq']);
      await page.keyboard.press('Tab');
      await page.keyboard.press('Tab');
      await wait_for(page, 'after TAB twice', focused, 'text_euro');
    },
  },
  {
    name: 'a click into the other field converts, and keeps the selection its entry made',
    run: async (page) => {
      await page.keyboard.type('2');
      await page.click('#text_pts');
      await wait_for(page, 'after the click', window_state,
                     ['2,00', '333 [selected]', '2,00 Euros  =  333 Ptas.', 'fdcha']);
      await page.click('#result');
      await wait_for(page, 'a click on the sentence leaves the focus', focused, 'text_pts');
      await page.click('#Label1');
      await wait_for(page, 'a click on a label leaves it too', focused, 'text_pts');
    },
  },
  {
    name: 'a tap into the other field, and the phone keyboard\'s Enter, on a touch screen',
    options: { hasTouch: true, isMobile: true, viewport: { width: 360, height: 640 } },
    run: async (page) => {
      await page.keyboard.type('3');
      await page.tap('#text_pts');
      await wait_for(page, 'after the tap', window_state,
                     ['3,00', '499 [selected]', '3,00 Euros  =  499 Ptas.', 'fdcha']);
      await page.keyboard.type('2');
      await page.keyboard.press('Enter');
      await wait_for(page, 'after Enter', window_state,
                     ['0,01 [selected]', '2', '2 Ptas.  =  0,01 Euros', 'fizq']);
    },
  },
  {
    name: 'an amount pasted, then TAB; the keypad decimal key types a comma',
    run: async (page) => {
      await page.keyboard.press('Tab');
      await paste(page, '  1.000.000 ptas\n');
      await page.keyboard.press('Tab');
      await wait_for(page, 'after the paste and TAB', window_state,
                     ['6.010,12 [selected]', '1.000.000', '1.000.000 Ptas.  =  6.010,12 Euros',
                      'fizq']);
      await page.keyboard.press('NumpadDecimal');
      await wait_for(page, 'the keypad decimal key', window_state,
                     [', [focus]', '1.000.000', '1.000.000 Ptas.  =  6.010,12 Euros', 'fizq']);
    },
  },
  {
    name: 'a letter empties the field; ctrl+z goes back a change at a time, ctrl+y forward',
    run: async (page) => {
      await page.keyboard.type('45x');
      await wait_for(page, 'after the letter', window_state, [' [selected]', '0', '', '']);
      await page.keyboard.type('9');
      await page.keyboard.press('Control+z');
      await page.keyboard.press('Control+z');
      await wait_for(page, 'after ctrl+z twice', window_state, ['45 [focus]', '0', '', '']);
      await page.keyboard.press('Control+y');
      await wait_for(page, 'after ctrl+y', window_state, [' [selected]', '0', '', '']);
    },
  },
  {
    name: 'an amount too large: the run-time error in Spanish, then the page goes on converting',
    run: async (page) => {
      await page.keyboard.type('1' + '0'.repeat(307));
      await page.keyboard.press('Tab');
      await wait_for(page, 'the message box', message_box,
                     ['Trelumo',
                      "Se ha producido el error '6' en tiempo de ejecución:\n\nDesbordamiento",
                      'Aceptar']);
      await page.keyboard.press('Enter');
      await wait_for(page, 'the box closed', message_box, null);
      await page.keyboard.type('1');
      await page.keyboard.press('Shift+Tab');
      await wait_for(page, 'converting again', window_state,
                     ['0,01 [selected]', '1', '1 Ptas.  =  0,01 Euros', 'fizq']);
    },
  },
  {
    name: 'the menus by mouse: Ayuda > Acerca de ..., twice, one About window; Aceptar closes it',
    run: async (page) => {
      for (let time = 0; time < 2; ++time) {
        await page.click('#ayuda');
        await page.click('#acerca');
      }
      await wait_for(page, 'the About window', about_windows, 1);
      check('its texts', await page.evaluate(about_texts),
            ['Acerca de Trelumo', 'Trelumo', 'Versión 1.0.0']);
      await wait_for(page, 'its button has the focus', focused, 'cmdOK');
      await page.click('#cmdOK');
      await wait_for(page, 'closed', about_windows, 0);
      await wait_for(page, 'the focus back in the field', focused, 'text_euro');
    },
  },
  {
    name: 'the menus by keyboard: Alt+Y, A opens About, Escape closes it; F10 and the arrows',
    run: async (page) => {
      await page.keyboard.type('7');
      await page.keyboard.press('Alt+y');
      await page.keyboard.press('a');
      await wait_for(page, 'About by its access keys', about_windows, 1);
      await page.keyboard.press('Escape');
      await wait_for(page, 'About closed by Escape', about_windows, 0);
      await page.keyboard.press('F10');
      await wait_for(page, 'F10', focused, 'archivo');
      await page.keyboard.press('ArrowRight');
      await page.keyboard.press('ArrowDown');
      await wait_for(page, 'the Ayuda menu open', focused, 'temas');
      await page.keyboard.press('Escape');
      await page.keyboard.press('Escape');
      await wait_for(page, 'back in the field, its text as it was', window_state,
                     ['7 [focus]', '0', '', '']);
    },
  },
  {
    name: 'F1 and Ayuda > Temas de ayuda show the help document in the page',
    run: async (page) => {
      await page.keyboard.press('F1');
      await wait_for(page, 'the help window', help_heading, 'Trelumo');
      await page.keyboard.press('Escape');
      await wait_for(page, 'closed', help_heading, null);
      await page.keyboard.press('Alt+y');
      await page.keyboard.press('t');
      await wait_for(page, 'the help window from the menu', help_heading, 'Trelumo');
    },
  },
  {
    name: 'Archivo > Salir in a tab: every window goes, and the page says Trelumo has ended',
    run: async (page) => {
      // A tab with more than one page in its history, which a page may not close.
      await page.goto(`${server.url}index.html`);
      await page.waitForFunction(() => document.activeElement?.id === 'text_euro');
      await page.click('#ayuda');
      await page.click('#acerca');
      await page.click('#archivo');
      await page.click('#salir');
      await wait_for(page, 'what is left', () => [document.querySelectorAll('.window').length,
                                                   document.querySelector('.ended p')?.textContent],
                     [0, 'Trelumo se ha cerrado. Puede cerrar esta pestaña.']);
    },
  },
  {
    name: 'Archivo > Salir in a window of its own, as an installed app has: the window closes',
    run: async (page) => {
      const [popup] = await Promise.all([
        page.waitForEvent('popup'),
        page.evaluate((url) => { window.open(url, '_blank', 'popup'); }, server.url),
      ]);
      await popup.waitForFunction(() => document.activeElement?.id === 'text_euro');
      await popup.keyboard.press('Alt+a');
      await Promise.all([popup.waitForEvent('close'), popup.keyboard.press('s').catch(() => {})]);
    },
  },
  {
    name: 'a browser in English: every text Spanish, amounts in the browser\'s separators',
    options: { locale: 'en-US' },
    run: async (page) => {
      await page.keyboard.type('1234.5');
      await page.keyboard.press('Tab');
      await wait_for(page, 'after TAB', window_state,
                     ['1,234.50', '205,404 [selected]', '1,234.50 Euros  =  205,404 Ptas.',
                      'fdcha']);
      await page.keyboard.press('Alt+y');
      await page.keyboard.press('a');
      await wait_for(page, 'the About window', about_texts,
                     ['Acerca de Trelumo', 'Trelumo', 'Versión 1.0.0']);
      const captions = await page.evaluate(() => ['archivo', 'ayuda', 'temas', 'cmdOK'].map(
          (id) => document.getElementById(id).textContent));
      check('the menus and the button', captions,
            ['Archivo', 'Ayuda', 'Temas de ayuda', 'Aceptar']);
      check('the page\'s language', await page.evaluate(() => document.documentElement.lang), 'es');
    },
  },
  {
    name: 'the site opened from disk',
    url: pathToFileURL(`${site}/index.html`).href,
    run: async (page) => {
      await page.keyboard.type('1');
      await page.keyboard.press('Tab');
      await wait_for(page, 'after TAB', window_state,
                     ['1,00', '166 [selected]', '1,00 Euros  =  166 Ptas.', 'fdcha']);
    },
  },
];

await run_table('scenario', rows, async (browser, row) => {
  const page = await open_page(browser, row.url ?? server.url, row.options);
  try {
    await row.run(page);
    check('errors on the page', page.errors, []);
  } finally {
    await page.context().close();
  }
});
