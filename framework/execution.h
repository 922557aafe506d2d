// The call discipline every module function runs under: the user's settings
// saved and restored, command echo silenced, one undo group, object snaps
// imposed, exceptions caught and reported.
#pragma once
#include <cstdint>

struct resbuf;

namespace framework {

class FONCTION_ARX;

// Runs an entry; LISP calls and internal events pass 0. Returns the entry's
// result list (the caller owns it) or nullptr.
resbuf* executeEntree(FONCTION_ARX* entree, int32_t argument);

// Saves / restores "attdia", "osnapcoord" and "osmode" on a stack of 10 slots.
void EtatMemorise();
void EtatRestore();

// Nested command echo off/on and undo group begin/end: only the outermost
// pair touches the host.
void pasEcho(bool actif);
void pasAnnulation(bool debut);

constexpr int kNiveauxEtat = 10;

}  // namespace framework
