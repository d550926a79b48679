#pragma once

// Which attempt at a paper a practice window serves.
enum class Attempt
{
    First = 1,
    Second = 2
};
