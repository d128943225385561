// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - Win32-style calls that a test scripts and reads back.
#pragma once

#include "platform/win32/CommonDialogCalls.h"
#include "platform/win32/WindowCalls.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A dialog that never shows: it keeps the records it was handed and answers
// with the scripted buffers, written as they are.
class ScriptedDialogCalls final : public CommonDialogCalls
{
  public:
    enum class Kind
    {
        Open,
        Save
    };
    struct Call
    {
        Kind kind;
        OPENFILENAME record;
    };

    BOOL GetOpenFileNameA(OPENFILENAME &record) override { return answer(Kind::Open, record); }
    BOOL GetSaveFileNameA(OPENFILENAME &record) override { return answer(Kind::Save, record); }

    std::vector<Call> calls;
    bool confirm = true;
    bool fail = false; // throw, as a failing platform call would
    std::string fileBuffer;
    std::string titleBuffer;

  private:
    BOOL answer(Kind kind, OPENFILENAME &record)
    {
        calls.push_back({kind, record});
        if (fail) {
            throw std::runtime_error("the dialog could not be created");
        }
        if (!confirm) {
            return 0;
        }
        record.lpstrFile = fileBuffer;
        record.lpstrFileTitle = titleBuffer;
        return 1;
    }
};

// Windows that exist only as rectangles; moves are recorded, not made.
class ScriptedWindowCalls final : public WindowCalls
{
  public:
    struct Move
    {
        HWND window;
        std::int32_t x, y, width, height;
        BOOL repaint;
    };

    // Scripted windows are named by their handles: no widget stands behind one.
    HWND handleOf(QWidget * /*widget*/) override { return 0; }
    BOOL IsWindow(HWND window) override
    {
        ++isWindowCalls;
        return window == desktop || rects.count(window) != 0 ? 1 : 0;
    }
    HWND GetParent(HWND window) override
    {
        const auto parent = parents.find(window);
        return parent != parents.end() ? parent->second : 0;
    }
    HWND GetDesktopWindow() override { return desktop; }
    BOOL GetWindowRect(HWND window, RECT &rect) override
    {
        if (fail) {
            throw std::runtime_error("the window system is gone");
        }
        const auto known = rects.find(window);
        if (known == rects.end()) {
            return 0;
        }
        rect = known->second;
        return 1;
    }
    BOOL MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, BOOL repaint) override
    {
        moves.push_back({window, x, y, width, height, repaint});
        return 1;
    }

    HWND desktop = 1;
    std::map<HWND, RECT> rects; // every window with a rectangle is live
    std::map<HWND, HWND> parents;
    std::vector<Move> moves;
    int isWindowCalls = 0;
    bool fail = false;
};
