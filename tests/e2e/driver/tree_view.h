// Reading a tree view of another process, such as the contents of a help window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The texts of all items, depth first, in Windows-1252; empty if the tree cannot be read.
std::vector<std::string> TreeViewItems(HWND tree);
