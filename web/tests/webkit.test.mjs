// The page's checks in WebKit, the engine of every browser on an iPhone:
// WebKitGTK's MiniBrowser driven over W3C WebDriver (run under xvfb-run).
import { startWebKit } from '../../tools/web/webdriver.mjs';
import { checkIn } from './in_browser.mjs';

checkIn(startWebKit);
