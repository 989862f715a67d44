#pragma once

// The one declaration of the boundary between the page and its two
// WebAssembly modules: the engine, which the calculator starts with, takes
// from the page (the module "page", answered by engine.js's `view`) and
// offers it what PAGE_IMPORT and ENGINE_EXPORT name; the comparison module,
// which the screens load when first opened, offers what COMPARISON_EXPORT
// names. Each has one wrapper: engine.js, and screens/comparison.js. The
// build links the page's imports from here, and a test of the built modules
// compares their imports and exports, and the names their wrappers offer and
// read, with this file. Texts cross as a pointer and a length into the
// engine's memory: the input line as UTF-16 units, every other text as UTF-8.

#include "board.h"
#include "pairs.h"
#include "session.h"

#define PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))
#define ENGINE_EXPORT(name) __attribute__((export_name(#name)))
#define COMPARISON_EXPORT(name) __attribute__((export_name(#name)))

// Besides these, the toolchain's own in each module, which the page never
// calls but for the memory and the C library's start-up; the engine's C
// library imports a way to stop.
#define TOOLCHAIN_EXPORTS                                                                          \
    memory _initialize __indirect_function_table __errno_location stackSave stackRestore stackAlloc
#define TOOLCHAIN_IMPORTS wasi_snapshot_preview1.proc_exit
#define COMPARISON_TOOLCHAIN_EXPORTS                                                               \
    memory _initialize __indirect_function_table __errno_location stackSave stackRestore stackAlloc
#define COMPARISON_TOOLCHAIN_IMPORTS

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
ENGINE_EXPORT(press) void quimbelPress(int number);
ENGINE_EXPORT(typed) void quimbelTyped();
ENGINE_EXPORT(help) void quimbelHelp();
ENGINE_EXPORT(about) void quimbelAbout();
ENGINE_EXPORT(reset) void quimbelReset();

// 1 for a score some deal gives, else 0: the screens' check of a typed score.
ENGINE_EXPORT(isDealScore) int quimbelIsDealScore(int score);

// The comparison module: what the screens compute, each answer whole from one call.
// The largest board number, match length and count of tables the screens take.
COMPARISON_EXPORT(largestCount) int quimbelLargestCount();
// Room in the module's memory for `count` ints, where the page writes a
// call's input; null where there is none.
COMPARISON_EXPORT(ints) int* quimbelInts(int count);
COMPARISON_EXPORT(boardImps) int quimbelBoardImps(int own, int other);
// The IMPs of `count` boards, each two ints (the team's score at its own
// table, then at the other).
COMPARISON_EXPORT(totalImps) int quimbelTotalImps(const quimbel::Board* boards, int count);
// A board's dealer (Nord, Est, Sud, Ouest: 0 to 3) and vulnerability
// (none, N-S, E-W, both: 0 to 3) from the 16-board cycle.
COMPARISON_EXPORT(dealer) int quimbelDealer(int board);
COMPARISON_EXPORT(vulnerability) int quimbelVulnerability(int board);
// The team's Victory Points in hundredths for a match of that many boards
// won by `margin` IMPs (lost if negative); -1 for a length of no match.
COMPARISON_EXPORT(victoryPoints) int quimbelVictoryPoints(int boards, int margin);
// One board of a pairs event from its tables' N-S scores: its top, datum and
// ranked figures, laid out as pairs.h declares; a count of no such board
// (2 to largestCount) gives none.
COMPARISON_EXPORT(pairs) const quimbel::PairsBoard* quimbelPairs(const int* scores, int count);
// A pairs session of `boards` boards, `counts` giving each board's number of
// results, which follow each other in `results`, `count` in all: its top and
// ranking, laid out as session.h declares; refused, with the result at
// fault, where one cannot be scored.
COMPARISON_EXPORT(session)
const quimbel::PairsSession* quimbelSession(int mitchell, const int* counts, int boards,
                                            const quimbel::SessionResult* results, int count);
}
