// Offline, installable, and asking nothing of anyone: after one visit the page opens with no
// network; the browser can install it; it sends no request beyond its own origin, stores nothing
// but its service worker's copy of its own files, and runs under a policy with neither eval nor
// inline script.
//   node offline_and_private.mjs SITE_FOLDER
import { check, open_in_profile, open_page, run_table, serve, wait_for, window_state }
  from './lib.mjs';

const server = await serve();

// Everything a user does once: convert both ways, the menus, About, help and an error report.
async function use_everything(page) {
  await page.keyboard.type('1');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.type('1' + '0'.repeat(307));
  await page.keyboard.press('Tab');
  await wait_for(page, 'the error report', () => !!document.querySelector('dialog[open]'), true);
  await page.keyboard.press('Enter');
  await page.keyboard.press('Alt+y');
  await page.keyboard.press('a');
  await wait_for(page, 'About', () => document.activeElement.id, 'cmdOK');
  await page.keyboard.press('Escape');
  await page.keyboard.press('F1');
  await wait_for(page, 'help', () => !!document.querySelector('#help h1'), true);
}

// The page's own service worker in control of it.
async function kept_offline(page) {
  await wait_for(page, 'the service worker active',
                 async () => !!(await navigator.serviceWorker.getRegistration())?.active, true);
  await page.reload();
  await wait_for(page, 'the service worker in control',
                 () => !!navigator.serviceWorker.controller, true);
}

const rows = [
  {
    name: 'no request beyond the page\'s own origin',
    run: async (page) => {
      const others = [];
      page.context().on('request', (request) => {
        if (!request.url().startsWith(server.url)) others.push(request.url());
      });
      await use_everything(page);
      check('requests to other origins', others, []);
    },
  },
  {
    name: 'nothing stored but the service worker\'s copy of the page\'s files',
    run: async (page) => {
      await use_everything(page);
      await kept_offline(page);
      check('cookies', await page.context().cookies(), []);
      check('what the page keeps', await page.evaluate(async () => [
        localStorage.length, sessionStorage.length, (await indexedDB.databases()).length,
        (await caches.keys()).map((name) => name.replace(/-[0-9a-f]+$/, '')),
      ]), [0, 0, 0, ['trelumo']]);
    },
  },
  {
    name: 'a policy with neither eval nor inline script, and nothing it refuses',
    run: async (page) => {
      await page.evaluate(() => {
        window.refused = [];
        document.addEventListener('securitypolicyviolation',
                                  (event) => window.refused.push(event.violatedDirective));
      });
      await use_everything(page);
      const policy = await page.evaluate(() => document.querySelector(
          'meta[http-equiv="Content-Security-Policy"]').content);
      const unsafe = /'unsafe-(eval|inline)'/.test(policy);
      check("'unsafe-eval' or 'unsafe-inline' allowed", unsafe, false);
      check('inline scripts', await page.evaluate(
          () => [...document.scripts].filter((script) => !script.src).length), 0);
      check('what the policy refused', await page.evaluate(() => window.refused), []);
    },
  },
  {
    name: 'after one visit, a reload with the network off',
    run: async (page) => {
      await kept_offline(page);
      await page.context().setOffline(true);
      await page.reload();
      await page.waitForFunction(() => document.activeElement?.id === 'text_euro');
      await page.keyboard.type('1');
      await page.keyboard.press('Tab');
      await wait_for(page, 'converting offline', window_state,
                     ['1,00', '166 [selected]', '1,00 Euros  =  166 Ptas.', 'fdcha']);
    },
  },
  {
    name: 'installable from the browser\'s menu',
    profile: true,
    run: async (page) => {
      await kept_offline(page);
      const session = await page.context().newCDPSession(page);
      const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
      check('what keeps it from being installed', installabilityErrors, []);
      const { url, errors } = await session.send('Page.getAppManifest');
      check('its manifest', [url.replace(server.url, ''), errors], ['trelumo.webmanifest', []]);
    },
  },
];

await run_table('offline and private', rows, async (browser, row) => {
  // The browser installs apps from a profile of its own, not from a private window.
  const page = row.profile ? await open_in_profile(server.url)
                           : await open_page(browser, server.url);
  try {
    await row.run(page);
    check('errors on the page', page.errors, []);
  } finally {
    await page.context().close();
  }
});
