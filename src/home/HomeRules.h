#pragma once

#include <QString>
#include <array>

// The small rules of the home window that need no widgets.

// Left edges, in pixels, of the four tabs: the level tabs with a caption side
// by side from x = 2, overlapping their neighbour by 4 pixels; a tab without a
// caption moved out of sight at -(tab width); the Help tab after the last shown one.
std::array<int, 4> TabLefts(const std::array<QString, 3> &levelCaptions, int tabWidth);

// Whether a paper row offers the second attempt: the first mark is there and
// not above 99.
bool TryAgainShown(const QString &firstMark);

// The paper key opened by a paper button: first paper number of the topic
// (1, 6, ... 46) + 100 + the paper's place in the topic (0 .. 4).
int PaperKey(int topicCount, int offset);

// The topic (1 .. 10) whose first paper number is topicCount, or 0.
int TopicOfCount(int topicCount);

// The first paper number of topic k (1 .. 10).
constexpr int TopicCountOf(int topic) { return 1 + 5 * (topic - 1); }
