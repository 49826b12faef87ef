// TTaskIcon puts an icon with a tip into the desktop's notification area
// and reports clicks on it. The component knows nothing of scripts: any
// window can own one. It talks to the desktop through TrayShell, a narrow
// seam with three requests (add, modify, delete an icon) and one callback
// (shellMessage), so tests can play the desktop's part.
#pragma once

#include <QIcon>
#include <QObject>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillan::dialog {

class TTaskIcon;

// What each request tells the shell; kept in the component so the icon
// can be removed later exactly as it was added.
struct NotifyIconData {
  static constexpr std::uint32_t kMessage = 1, kIcon = 2, kTip = 4;  // which fields are valid
  static constexpr std::size_t kTipSize = 64;                        // the tip field, its terminating zero included

  TTaskIcon* owner = nullptr;  // receives the callback messages
  std::int32_t id = 0;
  std::uint32_t flags = kMessage | kIcon | kTip;
  std::uint32_t callbackMessage = 0;
  QIcon icon;
  std::string tip;  // at most kTipSize - 1 bytes
};

enum class ShellRequest : std::uint8_t { Add = 0, Modify = 1, Delete = 2 };

class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // Adds, changes or removes the icon (data.owner, data.id); true when the
  // shell accepted. A desktop without a notification area refuses.
  virtual bool notifyIcon(ShellRequest request, const NotifyIconData& data) = 0;
};

class TTaskIcon final : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool Active READ Active WRITE setActive)
  Q_PROPERTY(QIcon Icon READ Icon WRITE setIcon)
  Q_PROPERTY(QByteArray ToolTip READ toolTipBytes WRITE setToolTipBytes)
  Q_PROPERTY(qint32 TaskIconID READ TaskIconID WRITE setTaskIconID)

 public:
  // The callback message and the mouse actions it reports.
  static constexpr std::uint32_t kCallbackMessage = 1024;
  static constexpr std::int32_t kLeftButtonUp = 514;
  static constexpr std::int32_t kLeftButtonDoubleClick = 515;
  static constexpr std::int32_t kRightButtonUp = 517;
  static constexpr std::size_t kToolTipLength = 64;

  explicit TTaskIcon(TrayShell& shell, QObject* owner = nullptr);
  ~TTaskIcon() override;

  bool Active() const { return active_; }
  // True adds the icon, false removes it; the value changes only when the
  // shell accepts.
  void setActive(bool active);

  const QIcon& Icon() const { return icon_; }
  void setIcon(const QIcon& icon);

  const std::string& ToolTip() const { return toolTip_; }
  // Keeps at most 64 bytes; the shell is shown 63 of them.
  void setToolTip(std::string_view tip);

  std::int32_t TaskIconID() const { return id_; }
  void setTaskIconID(std::int32_t id);

  // Unassigned events are skipped.
  std::function<void(TTaskIcon* sender)> OnClick;
  std::function<void(TTaskIcon* sender)> OnDblClick;
  std::function<void(TTaskIcon* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>
      OnRightClick;

  // A message from the shell: for the callback message, wParam is the
  // icon's identifier (others are ignored) and lParam the mouse action.
  void shellMessage(std::uint32_t message, std::int32_t wParam, std::int32_t lParam);

 private:
  QByteArray toolTipBytes() const { return QByteArray::fromStdString(toolTip_); }
  void setToolTipBytes(const QByteArray& tip) {
    setToolTip(std::string_view(tip.constData(), static_cast<std::size_t>(tip.size())));
  }
  void fillRecord();
  bool send(ShellRequest request);

  TrayShell& shell_;
  bool active_ = false;
  QIcon icon_;
  std::string toolTip_;
  std::int32_t id_ = 0;
  NotifyIconData record_;  // the last one sent, used to remove the icon
};

}  // namespace quillan::dialog
