// Debian's Chromium, headless, through playwright-core; no browser download, no network.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

const ARGS = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// A browser with a fresh profile; close() also removes the profile.
export async function launch(options = {}) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zelmenu-profile-'));
  const context = await chromium.launchPersistentContext(dir, {
    executablePath: CHROMIUM,
    headless: true,
    args: ARGS,
    viewport: { width: 1000, height: 700 },
    ...options,
  });
  return {
    context,
    async close() {
      await context.close();
      fs.rmSync(dir, { recursive: true, force: true });
    },
  };
}
