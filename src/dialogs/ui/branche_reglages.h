#pragma once

class Newtrace;
struct Platform;

// Gives the plot window's commands their settings dialogs. Each dialog is
// created the first time its command asks for it, owned by the plot window
// (one instance each, gone with it) and loaded afresh at every opening; a
// change a dialog makes redraws the plot as its activation does, except the
// network dialogs' own edits, which show at the plot's next drawing.
void BrancheReglages(Newtrace& trace, Platform& platform);
