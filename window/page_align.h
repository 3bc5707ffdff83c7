#pragma once
// Edge alignment of child controls: a control glued to an edge of its parent keeps its
// thickness and follows every resize of the parent; a client control takes what is left.

class QWidget;

enum class Align { None, Top, Bottom, Left, Right, Client };

// Registers the control's alignment and aligns its parent at once.
void SetAlign(QWidget* control, Align align);
Align AlignOf(const QWidget* control);

// Lays out the aligned direct children of parent: tops, bottoms, lefts, rights, then clients,
// each kind in creation order; hidden controls take no room.
void AlignControls(QWidget* parent);

// AlignControls for root and every widget below it, parents before children.
void AlignTree(QWidget* root);
