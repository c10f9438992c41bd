#pragma once
// Collects what std::cout receives while alive.
#include <iostream>
#include <sstream>

struct CaptureCout {
    std::ostringstream text;
    std::streambuf* old;
    CaptureCout() : old(std::cout.rdbuf(text.rdbuf())) {}
    ~CaptureCout() { std::cout.rdbuf(old); }
    std::string str() const { return text.str(); }
};
