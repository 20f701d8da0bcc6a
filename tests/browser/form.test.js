// The generated page in a real browser: checks stop the submit with their
// message, a valid form posts every formmailer value, remembered fields come
// back from their cookies, the counter, both calendars and the captcha.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const {
  generatePage,
  launch,
  openPage,
  unscramble,
  langTexts,
  FORMMAILER,
  PAGE_URL,
} = require('./lib/harness');

const FORM_ID = 4711;
const de = langTexts('Deutsch');
const textMsg = (label) => `${de.txtCalender3} ${label} ${de.txtCalender4}`;
const boxMsg = (label) => `${de.txtCheckbox1} ${label} ${de.txtCheckbox2}`;
const crlf = (s) => s.replace(/\r\n/g, '\n');

// The fixture's checks in form order: what makes each one fail, its message,
// and what makes it pass. Every check kind of every field type is here.
const CHECKS = [
  { what: 'single line, not empty', fail: (p) => p.fill('[name=vorname]', '   '),
    msg: textMsg('Vorname'), pass: (p) => p.fill('[name=vorname]', 'Anna') },
  { what: 'single line, e-mail', fail: (p) => p.fill('[name=email]', 'anna@example'),
    msg: textMsg('E-Mail'), pass: (p) => p.fill('[name=email]', 'anna@example.com') },
  { what: 'single line, number', fail: (p) => p.fill('[name=alter]', 'zwölf'),
    msg: textMsg('Alter'), pass: (p) => p.fill('[name=alter]', '12,5') },
  // Its own message holds a double quote and a backslash: shown as typed.
  { what: 'single line, minimum length', fail: (p) => p.fill('[name=plz]', '1234'),
    msg: 'Die PLZ hat 5 Ziffern, "12345" etwa\\nicht weniger.',
    pass: (p) => p.fill('[name=plz]', '12345') },
  { what: 'password', fail: async () => {}, msg: textMsg('Kennwort'),
    pass: (p) => p.fill('[name=kennwort]', 'geheim') },
  // Its own message has a line break.
  { what: 'multi-line', fail: async () => {}, msg: 'Bitte eine Nachricht eingeben\n(zweite Zeile)',
    pass: (p) => p.fill('[name=nachricht]', 'Hallo') },
  { what: 'drop-down', fail: async () => {}, msg: 'Bitte wählen Sie etwas im Feld Anrede aus!',
    pass: (p) => p.selectOption('[name=anrede]', { index: 1 }) },
  { what: 'radio buttons', fail: async () => {}, msg: `${de.txtRadioButtons0} Kontakt per `,
    pass: (p) => p.check('[name=kontakt] >> nth=0') },
  { what: 'file upload', fail: async () => {}, msg: textMsg('Anhang'),
    pass: (p) => p.setInputFiles('[name=datei]', {
      name: 'notiz.txt', mimeType: 'text/plain', buffer: Buffer.from('Notiz') }) },
  { what: 'calendar field', fail: async () => {}, msg: textMsg('Wunschtermin'),
    pass: (p) => p.fill('[name=termin]', '01.02.2025') },
  { what: 'check-box list, at least one', fail: async () => {},
    msg: `${de.txtCheckboxList0} "Interessen" ${de.txtCheckboxList1}`,
    pass: (p) => p.check('[name=int_a]') },
  { what: 'check-box list item', fail: async () => {}, msg: boxMsg('Service'),
    pass: (p) => p.check('[name=int_b]') },
  { what: 'check box', fail: async () => {},
    msg: boxMsg('Ich stimme der Datenschutzerklärung zu'),
    pass: (p) => p.check('[name=zustimmung]') },
];

// Picks 7 February 2025 in the calendar of the field "termin".
async function pickDate(page, layout) {
  if (layout === 'standard') {
    await page.click('.dyncal-button');
    await page.selectOption('.dyncal-year', '2025');
    await page.selectOption('.dyncal-month', '1');
    await page.click('.dyncal-day >> text="7"');
  } else {
    await page.click('[name=termin]');
    await page.waitForSelector('#ui-datepicker-div', { state: 'visible' });
    await page.selectOption('.ui-datepicker-year', '2025');
    await page.selectOption('.ui-datepicker-month', '1');
    await page.click('#ui-datepicker-div td a >> text="7"');
  }
}

async function submit(page) {
  await page.click('[type=submit]');
}

// Waits until the recording endpoint got a post, or gives up after a while.
async function waitForPost(posts, page) {
  for (let i = 0; i < 50 && posts.length === 0; i++) await page.waitForTimeout(100);
}

for (const [layout, fixture] of [['standard', 'form-standard.qzf'], ['Bootstrap', 'form-bootstrap.qzf']]) {
  test(`${layout} layout`, async (t) => {
    const html = generatePage(fixture, { formId: FORM_ID });
    const browser = await launch();
    t.after(() => browser.close());

    await t.test('every check shows its message and stops the submit; a valid form posts', async () => {
      const { page, posts, errors, dialogs, context } = await openPage(browser, html);
      for (const check of CHECKS) {
        await check.fail(page);
        dialogs.length = 0;
        await submit(page);
        await page.waitForTimeout(50);
        assert.deepEqual(dialogs.map(crlf), [check.msg], `check: ${check.what}`);
        assert.equal(posts.length, 0, `no post while "${check.what}" fails`);
        await check.pass(page);
      }
      dialogs.length = 0;
      await submit(page);
      await waitForPost(posts, page);
      assert.deepEqual(dialogs, []);
      assert.equal(posts.length, 1, 'the valid form is posted once');
      assert.deepEqual(errors, [], 'no script errors');

      const form = posts[0];
      const value = (name) => form.get(name);
      // What the visitor entered.
      assert.equal(value('vorname'), 'Anna');
      assert.equal(value('alter'), '12,5');
      assert.equal(value('anrede'), 'Frau');
      assert.equal(value('kontakt'), 'Telefon');
      assert.equal(value('int_a'), 'ja');
      assert.equal(value('int_b'), 'x');
      assert.equal(value('zustimmung'), 'ja');
      assert.equal(value('datei').name, 'notiz.txt');
      // The formmailer's values, decoded as the formmailer does.
      assert.equal(value('qz_formid'), String(FORM_ID));
      assert.equal(unscramble(value('qz_settings')), 'true');
      assert.equal(unscramble(value('admin')), 'info@example.com');
      assert.equal(unscramble(value('admin1')), 'büro@example.com');
      // The visitor's choice of recipient replaces the hidden "admin2".
      assert.deepEqual(form.getAll('admin2').map(unscramble), ['vertrieb@example.com']);
      assert.equal(value('qz_cryptmail'), '1');
      assert.equal(unscramble(value('qz_mailtext')), 'Neue Anfrage von {#vorname#}#br#Bitte antworten.');
      assert.equal(value('qz_subject'), 'Anfrage über "Kontakt"');
      assert.equal(value('qz_thanks'), 'http://site.quazel.test/danke.htm');
      assert.equal(value('qz_mailformat'), 'plain');
      assert.equal(value('qz_encoding'), 'utf-8');
      assert.equal(value('qz_copyfields'), '0');
      assert.equal(value('qz_ipinfo'), '-1');
      assert.equal(value('qz_hideemptyfields'), '-1');
      assert.equal(value('ReturnToSender'), '-1');
      const b64 = (s) => Buffer.from(s, 'base64').toString('utf8');
      assert.equal(b64(value('settings_error_iplock')), 'http://site.quazel.test/ip.htm');
      assert.equal(b64(value('settings_error_captcha')), 'http://site.quazel.test/captcha.htm');
      assert.equal(form.get('settings_error_fileerror'), null);

      // Remembered fields come back from their cookies on the next visit.
      await page.goto(PAGE_URL);
      assert.equal(await page.inputValue('[name=vorname]'), 'Anna');
      assert.equal(await page.inputValue('[name=email]'), 'anna@example.com');
      assert.equal(await page.inputValue('[name=nachricht]'), 'Hallo');
      assert.equal(await page.$eval('[name=anrede]', (e) => e.selectedIndex), 1);
      assert.equal(await page.isChecked('[name=kontakt] >> nth=0'), true);
      assert.equal(await page.isChecked('[name=int_a]'), true);
      assert.equal(await page.isChecked('[name=zustimmung]'), true);
      // Fields that are not remembered start empty again.
      assert.equal(await page.inputValue('[name=alter]'), '');
      assert.equal(await page.isChecked('[name=int_b]'), false);
      assert.deepEqual(errors, []);
      await context.close();
    });

    await t.test('a label with quotes, a backslash and a line break cannot break the checks', async () => {
      const label = 'Vor"name\\ \'x\' </script>\nZeile 2';
      const xmlLabel = label.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
      const page2 = generatePage(fixture, {
        formId: FORM_ID,
        edit: (xml) => xml.replace('<beschriftung>Vorname</beschriftung>', `<beschriftung>${xmlLabel}</beschriftung>`),
      });
      const { page, posts, errors, dialogs, context } = await openPage(browser, page2);
      await submit(page);
      await page.waitForTimeout(50);
      assert.deepEqual(dialogs.map(crlf), [textMsg(label)]);
      assert.equal(posts.length, 0);
      assert.deepEqual(errors, []);
      await context.close();
    });

    await t.test('the captcha picture asks the formmailer for this form and refreshes', async () => {
      const { page, requests, context } = await openPage(browser, html);
      const captchaUrl = `${FORMMAILER}?action=captcha&id=${FORM_ID}`;
      assert.equal(await page.getAttribute('#qzcaptcha', 'src'), captchaUrl);
      assert.ok(requests.includes(captchaUrl));
      const before = requests.length;
      await page.click('#qzcaptcharefresh');
      await page.waitForTimeout(200);
      const again = requests.slice(before).filter((u) => u.startsWith(captchaUrl));
      assert.equal(again.length, 1, 'the refresh loads the picture once more');
      await context.close();
    });

    if (layout === 'standard') {
      await t.test('the character counter stops at the limit', async () => {
        const { page, context } = await openPage(browser, html);
        assert.equal(await page.inputValue('[name=anzeige_nachricht]'), '20');
        await page.locator('[name=nachricht]').pressSequentially('abcde');
        assert.equal(await page.inputValue('[name=anzeige_nachricht]'), '15');
        await page.locator('[name=nachricht]').pressSequentially('x'.repeat(20));
        assert.equal(await page.inputValue('[name=nachricht]'), 'abcde' + 'x'.repeat(15));
        assert.equal(await page.inputValue('[name=anzeige_nachricht]'), '0');
        await context.close();
      });

      await t.test('the pop-up calendar puts the picked date into the field', async () => {
        const { page, context, errors } = await openPage(browser, html);
        await page.click('.dyncal-button');
        const years = await page.$$eval('.dyncal-year option', (o) => o.map((x) => x.value));
        assert.deepEqual(years.map(Number), Array.from({ length: 11 }, (_, i) => 2020 + i));
        await page.selectOption('.dyncal-year', '2025');
        await page.selectOption('.dyncal-month', '1');
        await page.click('.dyncal-day >> text="7"');
        assert.equal(await page.inputValue('[name=termin]'), '07.02.2025');
        assert.deepEqual(errors, []);
        await context.close();
      });
    }

    // The other date formats, picked the same way in each layout.
    for (const [index, expected] of [[1, '07-02-2025'], [2, '02/07/2025'], [3, '07/02/2025'], [4, '2025-02-07']]) {
      await t.test(`date format ${index} puts ${expected} into the field`, async () => {
        const page2 = generatePage(fixture, {
          formId: FORM_ID,
          edit: (xml) => xml.replace(
            '<CalendarDesign_cboDateFormat>0</CalendarDesign_cboDateFormat>',
            `<CalendarDesign_cboDateFormat>${index}</CalendarDesign_cboDateFormat>`),
        });
        const { page, context, errors } = await openPage(browser, page2);
        await pickDate(page, layout);
        assert.equal(await page.inputValue('[name=termin]'), expected);
        assert.deepEqual(errors, []);
        await context.close();
      });
    }

    if (layout === 'Bootstrap') {
      await t.test('the datepicker puts the picked date into the field', async () => {
        const { page, context, errors } = await openPage(browser, html);
        await page.click('[name=termin]');
        await page.waitForSelector('#ui-datepicker-div', { state: 'visible' });
        await page.selectOption('.ui-datepicker-year', '2025');
        await page.selectOption('.ui-datepicker-month', '1');
        const monthNames = await page.$$eval('.ui-datepicker-month option', (o) => o.map((x) => x.textContent));
        assert.equal(monthNames[2], 'Mär');
        await page.click('#ui-datepicker-div td a >> text="7"');
        assert.equal(await page.inputValue('[name=termin]'), '07.02.2025');
        const years = await page.$$eval('.ui-datepicker-year option', (o) => o.map((x) => Number(x.value)));
        assert.equal(years[0], 2020);
        assert.equal(years[years.length - 1], 2030);
        assert.deepEqual(errors, []);
        await context.close();
      });
    }
  });
}
