// Shared set-up of the browser tests: generate a page with quazel-cli, open it
// in headless Chromium, answer CDN requests from the npm copies of the same
// packages and record what the form posts to the formmailer.
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { chromium } = require('playwright-core');

const ROOT = path.resolve(__dirname, '..', '..', '..');
const BUILD = process.env.QUAZEL_BUILD_DIR || path.join(ROOT, 'build');
const CLI = path.join(BUILD, 'bin', 'quazel-cli');
const FIXTURES = path.join(__dirname, '..', 'fixtures');
const NODE_MODULES = path.join(__dirname, '..', 'node_modules');

// Where the fixture projects send their form; never reached over the network.
const FORMMAILER = 'http://formmailer.quazel.test/cgi/formmail.php';
const PAGE_URL = 'http://site.quazel.test/form.htm';

// CDN paths the templates use, mapped to the npm copies.
const CDN_MAP = [
  [/\/bootstrap@3\.4\.1\/(.*)$/, 'bootstrap'],
  [/\/jquery@[^/]+\/(.*)$/, 'jquery'],
  [/\/jquery-ui-dist@[^/]+\/(.*)$/, 'jquery-ui-dist'],
];

// The page of a fixture project; edit, when given, changes the project's XML
// text first (the changed copy lives in a temporary folder).
function generatePage(fixture, { language = 'Deutsch', formId = 1234567, edit = null } = {}) {
  let project = path.join(FIXTURES, fixture);
  let tmp = null;
  if (edit) {
    tmp = fs.mkdtempSync(path.join(require('node:os').tmpdir(), 'quazel-'));
    const changed = edit(fs.readFileSync(project, 'utf8'));
    project = path.join(tmp, fixture);
    fs.writeFileSync(project, changed);
  }
  try {
    return execFileSync(CLI, ['export', project, '--language', language, '--form-id', String(formId)], {
      encoding: 'utf8',
    });
  } finally {
    if (tmp) fs.rmSync(tmp, { recursive: true, force: true });
  }
}

function contentType(file) {
  if (file.endsWith('.js')) return 'application/javascript';
  if (file.endsWith('.css')) return 'text/css';
  if (file.endsWith('.png')) return 'image/png';
  return 'application/octet-stream';
}

async function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
}

// Opens html as PAGE_URL. Returns { page, posts, requests }: posts collects
// the decoded form bodies sent to the formmailer, requests every URL asked.
async function openPage(browser, html) {
  const context = await browser.newContext();
  const page = await context.newPage();
  const posts = [];
  const requests = [];
  const errors = [];
  page.on('pageerror', (e) => errors.push(e));
  await context.route('**/*', async (route) => {
    const req = route.request();
    const url = req.url();
    requests.push(url);
    if (url === PAGE_URL) {
      return route.fulfill({ status: 200, contentType: 'text/html; charset=utf-8', body: html });
    }
    for (const [re, pkg] of CDN_MAP) {
      const m = new URL(url).pathname.match(re);
      if (m) {
        const file = path.join(NODE_MODULES, pkg, m[1]);
        if (fs.existsSync(file)) {
          return route.fulfill({ status: 200, contentType: contentType(file), body: fs.readFileSync(file) });
        }
        return route.fulfill({ status: 404, body: 'not in the npm copy: ' + m[1] });
      }
    }
    if (url.startsWith(FORMMAILER.replace('formmail.php', ''))) {
      if (req.method() === 'POST') {
        posts.push(await formData(req));
        return route.fulfill({ status: 200, contentType: 'text/html', body: '<p>recorded</p>' });
      }
      // The captcha picture and other requests to the formmailer folder.
      return route.fulfill({ status: 200, contentType: 'image/png', body: Buffer.alloc(0) });
    }
    return route.fulfill({ status: 404, body: '' });
  });
  page.on('dialog', (d) => {
    page.__dialogs.push(d.message());
    d.accept();
  });
  page.__dialogs = [];
  await page.goto(PAGE_URL);
  return { page, posts, requests, errors, dialogs: page.__dialogs, context };
}

// The scramble key of the formmailer contract.
const SCRAMBLE_KEY = 0x5a;
function unscramble(b64) {
  return Buffer.from(Buffer.from(b64, 'base64').map((b) => b ^ SCRAMBLE_KEY)).toString('utf8');
}

module.exports = { generatePage, launch, openPage, unscramble, FORMMAILER, PAGE_URL, CLI, FIXTURES };

// The texts of one section of the installed lang.ini, for expected messages.
function langTexts(section) {
  const text = fs.readFileSync(path.join(BUILD, 'bin', 'lang.ini'), 'utf8');
  const out = {};
  let current = null;
  for (const raw of text.split(/\r?\n/)) {
    const line = raw.trim();
    const m = line.match(/^\[(.*)\]$/);
    if (m) current = m[1];
    else if (current === section && line.includes('=') && !line.startsWith(';')) {
      const eq = line.indexOf('=');
      out[line.slice(0, eq).trim()] = line.slice(eq + 1).trim();
    }
  }
  return out;
}

// The form data of a recorded post (multipart or urlencoded).
async function formData(request) {
  const body = request.postDataBuffer() || Buffer.alloc(0);
  const type = request.headers()['content-type'] || '';
  return new Response(body, { headers: { 'content-type': type } }).formData();
}

module.exports.langTexts = langTexts;
module.exports.formData = formData;
