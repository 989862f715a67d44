// The page's checks in Firefox ESR, driven over WebDriver BiDi.
import { startFirefox } from '../../tools/web/firefox.mjs';
import { checkIn } from './in_browser.mjs';

checkIn(startFirefox);
