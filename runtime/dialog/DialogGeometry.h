// The measures of the dialog window that scripts rely on, as pure
// arithmetic: the line height that sizes one-line elements, and the client
// area that a window of the size given to DIALOG CREATE leaves.
#pragma once

namespace quillan::dialog {

// One-line elements are a sixth of an inch of text plus two pixels: 18 at
// 96 pixels per inch.
constexpr int lineHeightFor(int logicalDpi) { return logicalDpi / 6 + 2; }

struct FrameMetrics {
  int captionHeight = 18;       // the desktop's caption bar
  int smallCaptionHeight = 16;  // the caption bar of a tool window
  int border = 3;               // each side of a single fixed border
};

struct ClientSize {
  int width = 0;
  int height = 0;
};

// Scripts give the outer width and the height below the caption: the
// caption height is added to make the outer height. What is left inside is
// the client area, where the elements are placed. A tool window's smaller
// caption leaves that much more room.
constexpr ClientSize clientSizeFor(int width, int height, const FrameMetrics& m, bool smallCaption) {
  const int outerHeight = height + m.captionHeight;
  const int caption = smallCaption ? m.smallCaptionHeight : m.captionHeight;
  const int w = width - 2 * m.border;
  const int h = outerHeight - caption - 2 * m.border;
  return {w > 0 ? w : 0, h > 0 ? h : 0};
}

// Where a dialog opens that would have been centred but saves its
// position and has none saved yet.
inline constexpr int kDesignLeft = 27;
inline constexpr int kDesignTop = 154;

}  // namespace quillan::dialog
