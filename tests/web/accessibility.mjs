// Usable by everyone: axe-core finds nothing against WCAG 2.2 AA in each state of the page, in the
// light and dark colour schemes and in forced colours; and nothing is cut or scrolled sideways on a
// 320 px wide screen, at 200 % zoom, or with the browser's text twice its size.
//   node accessibility.mjs SITE_FOLDER
import { AxeBuilder } from '@axe-core/playwright';
import { check, open_page, run_table, serve, wait_for } from './lib.mjs';

const server = await serve();
const standards = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'];

// The states a row looks at, each reached from the page as it starts.
const states = {
  'at start-up': async () => {},
  'after a TAB': async (page) => {
    await page.keyboard.type('1234,5');
    await page.keyboard.press('Tab');
    await wait_for(page, 'the sentence', () => document.getElementById('result').textContent,
                   '1.234,50 Euros  =  205.404 Ptas.');
  },
  'with a menu open': async (page) => {
    await page.keyboard.press('Alt+y');
    await wait_for(page, 'the menu', () => document.activeElement.id, 'temas');
  },
  'with About open': async (page) => {
    await page.keyboard.press('Alt+y');
    await page.keyboard.press('a');
    await wait_for(page, 'About', () => document.activeElement.id, 'cmdOK');
  },
  'with help open': async (page) => {
    await page.keyboard.press('F1');
    await wait_for(page, 'help', () => !!document.querySelector('#help h1'), true);
  },
  'with the run-time error': async (page) => {
    await page.keyboard.type('1' + '0'.repeat(307));
    await page.keyboard.press('Tab');
    await wait_for(page, 'the message box', () => !!document.querySelector('dialog[open]'), true);
  },
};

// What is cut or out of reach: a page wider than its viewport, a window beyond its edges, a
// caption wider or taller than its control.
function cut_or_sideways() {
  const found = [];
  const root = document.documentElement;
  if (document.scrollingElement.scrollWidth > root.clientWidth) {
    found.push('the page scrolls sideways');
  }
  for (const window of document.querySelectorAll('.window')) {
    const box = window.getBoundingClientRect();
    if (box.left < 0 || box.right > root.clientWidth) found.push(`${window.id} beyond the edge`);
  }
  const captions = '.control:not(input):not(img), .title-bar h1, .title-bar h2, [role=menuitem]';
  for (const caption of document.querySelectorAll(captions)) {
    if (!caption.offsetParent) continue;
    const wider = caption.scrollWidth > caption.clientWidth + 1;
    const taller = caption.scrollHeight > caption.clientHeight + 1;
    if (wider || taller) found.push(`${caption.id || caption.textContent} cut`);
  }
  return found;
}

const rows = [];
for (const [scheme, options] of [
  ['light', { colorScheme: 'light' }],
  ['dark', { colorScheme: 'dark' }],
  ['forced colours', { forcedColors: 'active' }],
]) {
  for (const state of Object.keys(states)) {
    const light_only = state === 'with a menu open' || state === 'with help open';
    if (scheme !== 'light' && light_only) continue;
    rows.push({ name: `${state}, ${scheme} scheme`, state, options });
  }
}
for (const [screen, options] of [
  ['a 320 px wide phone',
   { viewport: { width: 320, height: 568 }, hasTouch: true, isMobile: true }],
  ['200 % zoom', { viewport: { width: 640, height: 360 }, deviceScaleFactor: 2 }],
  ['text twice its size', { fontSizes: 32 }],
]) {
  for (const state of ['after a TAB', 'with About open', 'with help open', 'with a menu open']) {
    const name = `${state}, ${screen}: nothing cut or sideways`;
    rows.push({ name, state, options, layout: true });
  }
}

// What a screen reader is told: each field's name and hint, the sentence a polite live region
// stated anew each time, even the same sentence again, and the arrow shown by its direction.
rows.push({
  name: 'what a screen reader is told of the fields, the sentence and the arrows',
  options: {},
  run: async (page) => {
    const session = await page.context().newCDPSession(page);
    const told = async () => {
      const { nodes } = await session.send('Accessibility.getFullAXTree');
      const value = (node, what) => node[what]?.value ?? '';
      const live = (node) => node.properties?.find((property) => property.name === 'live');
      const roles = ['textbox', 'status', 'image'];
      const told = (node) => !node.ignored && roles.includes(value(node, 'role'));
      return nodes.filter(told).map((node) => [
        value(node, 'role'), value(node, 'name'), value(node, 'description'),
        live(node)?.value.value ?? '',
      ]);
    };
    await page.evaluate(() => {
      window.statements = 0;
      new MutationObserver(() => ++window.statements)
          .observe(document.getElementById('result'), { childList: true });
    });
    await page.keyboard.type('1');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Shift+Tab');
    await page.keyboard.press('Tab');
    await wait_for(page, 'three sentences stated', () => window.statements, 3);
    const hint = 'Introduzca valor y pulse TAB';
    check('what the reader is told', await told(), [
      ['textbox', 'Euros', hint, ''], ['textbox', 'Pesetas', hint, ''],
      ['status', 'Resultado', '', 'polite'],
      ['image', 'de euros a pesetas', '', ''],
    ]);
  },
});

await run_table('accessibility', rows, async (browser, row) => {
  const { fontSizes, ...options } = row.options;
  const page = await open_page(browser, server.url, options);
  try {
    if (fontSizes) {
      // The browser's own text size, as its settings set it.
      const session = await page.context().newCDPSession(page);
      await session.send('Page.setFontSizes', { fontSizes: { standard: fontSizes } });
      await wait_for(page, 'the layout grown with the text',
                     () => document.getElementById('euro').offsetWidth > 600, true);
    }
    if (row.run) {
      await row.run(page);
    } else {
      await states[row.state](page);
    }
    if (row.run) {
      // Its own checks.
    } else if (row.layout) {
      check('what is cut or sideways', await page.evaluate(cut_or_sideways), []);
    } else {
      const results = await new AxeBuilder({ page }).withTags(standards).analyze();
      const violations = results.violations.map((violation) =>
        `${violation.id}: ${violation.nodes.map((node) => node.target).join(' ')}`);
      check('axe-core violations', violations, []);
    }
    check('errors on the page', page.errors, []);
  } finally {
    await page.context().close();
  }
});
