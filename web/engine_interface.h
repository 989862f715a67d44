#pragma once

// The one declaration of the WebAssembly module's boundary: what the engine
// takes from the page (the module "page", answered by main.js's `view`) and
// what it offers the page (wrapped once, in main.js's startEngine). Texts
// cross as a pointer and a length into the module's memory: the input line
// as UTF-16 units, every other text as UTF-8.

#define PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {
// Copies up to `capacity` UTF-16 units of the input line; returns its length.
PAGE_IMPORT(readInput) int pageReadInput(char16_t* units, int capacity);
PAGE_IMPORT(showInput) void pageShowInput(const char16_t* units, int length);
PAGE_IMPORT(setResult) void pageSetResult(const char* text, int length);
// The background by its name in the engine (backgroundName).
PAGE_IMPORT(setResultBackground) void pageSetResultBackground(const char* name, int length);
PAGE_IMPORT(showMessage)
void pageShowMessage(const char* title, int titleLength, const char* text, int length);
PAGE_IMPORT(setAboutText)
void pageSetAboutText(const char* id, int idLength, const char* text, int length);
PAGE_IMPORT(displayAbout) void pageDisplayAbout();
PAGE_IMPORT(close) void pageClose();

// The calculator's keys (Command1 to Command24), typed text, title and
// copyright clicks, and OFF's way back on.
void quimbel_press(int number);
void quimbel_typed();
void quimbel_help();
void quimbel_about();
void quimbel_reset();
// The match screen's arithmetic: IMPs of a difference; 1 for a deal score, else 0.
int quimbel_imps(int difference);
int quimbel_is_deal_score(int score);
}
