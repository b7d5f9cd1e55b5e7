// What the page's tests share: Debian's Chromium driven by Playwright, the site served on
// localhost or opened from disk, rows of a table run one by one, and waits for conditions.
import { createServer } from 'node:http';
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { extname, join, normalize, resolve } from 'node:path';
import { execFileSync } from 'node:child_process';
import { chromium } from 'playwright-core';

export const site = resolve(process.argv[2] ?? 'build-web/site');

function chromium_path() {
  if (process.env.CHROMIUM) return process.env.CHROMIUM;
  return execFileSync('sh', ['-c', 'command -v chromium'], { encoding: 'utf8' }).trim();
}

// Headless, with nothing of its own reaching the network: the machine's network may be closed,
// and the tests count the page's requests.
function launch_options() {
  const args = ['--disable-background-networking', '--disable-component-update', '--disable-sync',
                '--no-first-run', '--disable-quic'];
  if (process.getuid?.() === 0) args.push('--no-sandbox');
  return { executablePath: chromium_path(), args };
}

export async function launch() {
  return chromium.launch(launch_options());
}

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.png': 'image/png', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm',
};

// The site as any static host serves it. `requests` lists the paths asked for.
export async function serve(folder = site) {
  const requests = [];
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    requests.push(path);
    const file = normalize(join(folder, path.endsWith('/') ? path + 'index.html' : path));
    try {
      const body = await readFile(file);
      const type = types[extname(file)] ?? 'application/octet-stream';
      response.writeHead(200, { 'Content-Type': type });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return { url, requests, close: () => new Promise((done) => server.close(done)) };
}

// Opens the page in a context of its own and waits until the euro field has the focus, ready
// for typing. Errors on the page fail the row.
export async function open_page(browser, url, options = {}) {
  const context = await browser.newContext({ locale: 'es-ES', ...options });
  return watched(await context.newPage(), url);
}

// The same in a browser with a profile of its own, in a folder that goes with its context.
export async function open_in_profile(url) {
  const folder = await mkdtemp(join(tmpdir(), 'trelumo-profile-'));
  const options = { ...launch_options(), locale: 'es-ES' };
  const context = await chromium.launchPersistentContext(folder, options);
  context.on('close', () => {
    rm(folder, { recursive: true, force: true, maxRetries: 10 }).catch(() => {});
  });
  const page = context.pages()[0] ?? await context.newPage();
  return watched(page, url);
}

async function watched(page, url) {
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') page.errors.push(message.text());
  });
  await page.goto(url);
  await page.waitForFunction(() => document.activeElement?.id === 'text_euro');
  return page;
}

export class Failure extends Error {}

export function check(what, actual, expected) {
  const same = JSON.stringify(actual) === JSON.stringify(expected);
  if (!same) {
    const [wanted, got] = [expected, actual].map((value) => JSON.stringify(value));
    throw new Failure(`${what}: expected ${wanted}, got ${got}`);
  }
}

// Waits until `probe` (run in the page) returns `expected`, then checks it: a row waits for what
// the page does, however busy the machine.
export async function wait_for(page, what, probe, expected, argument) {
  const wanted = JSON.stringify(expected);
  const until = Date.now() + 10000;
  let actual = await page.evaluate(probe, argument);
  while (JSON.stringify(actual) !== wanted && Date.now() < until) {
    await new Promise((done) => setTimeout(done, 20));
    actual = await page.evaluate(probe, argument);
  }
  check(what, actual, expected);
}

// What the main window shows: each field's text and whether it has the focus with its whole
// text selected, the sentence, and which arrow is visible.
export function window_state() {
  const field = (id) => {
    const input = document.getElementById(id);
    const whole = input.selectionStart === 0 && input.selectionEnd === input.value.length;
    if (document.activeElement !== input) return input.value;
    return input.value + (whole ? ' [selected]' : ' [focus]');
  };
  const arrow = ['fizq', 'fdcha'].filter((id) => !document.getElementById(id).hidden);
  return [field('text_euro'), field('text_pts'), document.getElementById('result').textContent,
          arrow.join()];
}

// Runs the rows of a table, each in a fresh page; prints each row's outcome and exits with 1 if
// any failed.
export async function run_table(title, rows, body) {
  const browser = await launch();
  let failed = 0;
  for (const row of rows) {
    try {
      await body(browser, row);
      console.log(`ok    ${title}: ${row.name}`);
    } catch (error) {
      ++failed;
      console.log(`FAIL  ${title}: ${row.name}\n      ${error.message.split('\n')[0]}`);
    }
  }
  await browser.close();
  console.log(`${rows.length - failed} of ${rows.length} passed`);
  process.exit(failed ? 1 : 0);
}
