#include "home/HomeRules.h"

#include "content/ValueText.h"

std::array<int, 4> TabLefts(const std::array<QString, 3> &levelCaptions, int tabWidth)
{
    std::array<int, 4> lefts{};
    int x = 2;
    for (int i = 0; i < 3; ++i) {
        if (levelCaptions[size_t(i)].isEmpty()) {
            lefts[size_t(i)] = -tabWidth;
        } else {
            lefts[size_t(i)] = x;
            x += tabWidth - 4;
        }
    }
    lefts[3] = x;
    return lefts;
}

bool TryAgainShown(const QString &firstMark)
{
    return !firstMark.isEmpty() && NumberValue(firstMark) <= 99;
}

int PaperKey(int topicCount, int offset) { return topicCount + 100 + offset; }

int TopicOfCount(int topicCount)
{
    if (topicCount < 1 || topicCount > 46 || (topicCount - 1) % 5 != 0)
        return 0;
    return (topicCount - 1) / 5 + 1;
}
