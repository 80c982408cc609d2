#include "desktop/control_views.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "desktop/grid_view.h"
#include "desktop/painting.h"
#include "ui/capabilities.h"
#include "ui/controls.h"
#include "ui/file_lists.h"
#include "ui/grid.h"

namespace desktop {

namespace {

constexpr int kSunkenEdge = 2;
// The tick box or dot of a check or option button, beside its caption.
constexpr int kIndicatorSize = 13;

int LabelInset(const ui::Label& label) {
  return label.BorderStyle() == 1 ? kSunkenEdge : 0;
}

CaptionLayout LabelCaptionLayout(const ui::Label& label, const QSize& size) {
  int inset = LabelInset(label);
  return {QRect(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset), MapFont(label.Font()),
          !label.AutoSize() || label.WordWrap()};
}

// A push button, or a check or option button drawn as one (graphical style): no tick or dot beside
// its caption.
bool PushLike(const ui::Button& button) {
  return button.Kind() == ui::ControlKind::kCommandButton || button.Style() == 1;
}

QRect PushButtonTextBox(const QRect& rect) {
  return rect.adjusted(4, 3, -4, -3);
}

QRect IndicatorTextBox(const QRect& rect) {
  return rect.adjusted(kIndicatorSize + 4, 0, 0, 0);
}

Qt::Alignment HorizontalAlignment(int alignment) {
  switch (alignment) {
    case ui::kAlignRight:
      return Qt::AlignRight;
    case ui::kAlignCenter:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

void SetColors(QWidget* widget, const ui::Control& control) {
  QPalette palette = widget->palette();
  QColor back = ToQColor(control.BackColor()), fore = ToQColor(control.ForeColor());
  if (palette.color(QPalette::Active, QPalette::Base) == back &&
      palette.color(QPalette::Active, QPalette::Text) == fore)
    return;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, back);
    palette.setColor(group, QPalette::Text, fore);
    palette.setColor(group, QPalette::ButtonText, fore);
  }
  widget->setPalette(palette);
}

void SetFont(QWidget* widget, const ui::Font& font) {
  QFont f = MapFont(font);
  if (widget->font() != f) widget->setFont(f);
}

// --- Label

class LabelWidget : public QWidget {
 public:
  LabelWidget(ui::Label& label, Dispatcher& dispatcher, QWidget* parent)
      : QWidget(parent), label_(label), dispatcher_(dispatcher) {}

  // Insets of the text from the label's edges.
  int Inset() const { return LabelInset(label_); }
  QString Caption() const { return StripAccessKeys(ToQString(label_.Caption())); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QRect box = TwipsRect(0, 0, label_.Width(), label_.Height());
    if (label_.AutoSize()) box = rect();
    if (label_.BackStyle() == 1) p.fillRect(box, ToQColor(label_.BackColor()));
    if (label_.BorderStyle() == 1) DrawSunkenEdge(p, box);
    CaptionLayout layout = LabelCaptionLayout(label_, size());
    TextLook look{layout.font, ToQColor(label_.ForeColor()),
                  HorizontalAlignment(label_.Alignment()) | Qt::AlignTop, layout.wrap, !label_.Enabled()};
    DrawText(p, layout.box, Caption(), look);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      dispatcher_.Dispatch([this] { label_.UserClick(); });
  }

 private:
  ui::Label& label_;
  Dispatcher& dispatcher_;
};

class LabelView : public ControlView {
 public:
  LabelView(ui::Label& label, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(label, new LabelWidget(label, dispatcher, parent), dispatcher), label_(label) {}

 protected:
  // A text taller than its label overflows downwards rather than being cut, and an auto-sized label
  // takes its text's size.
  QRect Geometry() const override {
    QRect box = ControlView::Geometry();
    auto* widget = static_cast<LabelWidget*>(Widget());
    QString caption = widget->Caption();
    if (caption.isEmpty()) return box;
    QFont font = MapFont(label_.Font());
    int inset = widget->Inset();
    double em = LineHeight(font);
    if (label_.AutoSize()) {
      QStringList lines = LayoutLines(caption, font, 1e6, 1e6, false);
      double widest = 0;
      for (const QString& line : lines)
        widest = std::max(widest, QFontMetricsF(font).horizontalAdvance(line));
      box.setWidth(static_cast<int>(std::ceil(widest)) + 2 * inset);
      box.setHeight(static_cast<int>(std::ceil(lines.size() * em)) + 2 * inset);
      return box;
    }
    QStringList lines = LayoutLines(caption, font, box.width() - 2 * inset, box.height() - 2 * inset, true);
    int needed = static_cast<int>(std::ceil(lines.size() * em)) + 2 * inset;
    if (needed > box.height()) box.setHeight(needed);
    return box;
  }

 private:
  ui::Label& label_;
};

// --- Command buttons, check boxes and option buttons

class ButtonWidget : public QAbstractButton {
 public:
  ButtonWidget(ui::Button& button, Dispatcher& dispatcher, QWidget* parent)
      : QAbstractButton(parent), control_(button) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this,
            [this, &dispatcher] { dispatcher.Dispatch([this] { control_.UserClick(); }); });
  }

  QSize sizeHint() const override { return size(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QString caption = StripAccessKeys(ToQString(control_.Caption()));
    int style = control_.Style();
    bool on = control_.CheckState() == ui::kChecked, grey = control_.CheckState() == ui::kGrayed;
    // A push button has no tick or dot beside its caption.
    if (PushLike(control_)) {
      PaintPushButton(p, caption, style == 1, on);
    } else {
      PaintIndicatorButton(p, caption, on, grey);
    }
  }

 private:
  // A push button; a graphical one shows its back colour, and a graphical check or option button stays
  // down while it is on.
  void PaintPushButton(QPainter& p, const QString& caption, bool graphical, bool on) {
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect();
    bool sunken = isDown() || on;
    option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
    if (on) option.state |= QStyle::State_On;
    QColor face = graphical ? ToQColor(control_.BackColor()) : ToQColor(ui::colors::kButtonFace);
    option.palette.setColor(QPalette::Button, face);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
    QRect text_box = PushButtonTextBox(rect());
    if (sunken) text_box.translate(1, 1);
    TextLook look{MapFont(control_.Font()), ToQColor(control_.ForeColor()), Qt::AlignCenter, true,
                  !control_.Enabled()};
    DrawText(p, text_box, caption, look);
    if (hasFocus()) DrawFocus(p, rect().adjusted(4, 4, -4, -4));
  }

  void PaintIndicatorButton(QPainter& p, const QString& caption, bool on, bool grey) {
    p.fillRect(rect(), ToQColor(control_.BackColor()));
    bool check = control_.Kind() == ui::ControlKind::kCheckBox;
    int size = kIndicatorSize;
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = QRect(0, (height() - size) / 2, size, size);
    option.state |= grey ? QStyle::State_NoChange : (on ? QStyle::State_On : QStyle::State_Off);
    if (isDown()) option.state |= QStyle::State_Sunken;
    if (!control_.Enabled()) option.state &= ~QStyle::State_Enabled;
    style()->drawPrimitive(check ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &option,
                           &p, this);
    if (caption.isEmpty()) return;
    QRect text_box = IndicatorTextBox(rect());
    TextLook look{MapFont(control_.Font()), ToQColor(control_.ForeColor()), Qt::AlignLeft | Qt::AlignVCenter,
                  true, !control_.Enabled()};
    DrawText(p, text_box, caption, look);
    if (hasFocus()) DrawFocus(p, text_box.adjusted(-1, 0, 0, 0));
  }

  void DrawFocus(QPainter& p, const QRect& r) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = r;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }

  ui::Button& control_;
};

class ButtonView : public ControlView {
 public:
  ButtonView(ui::Button& button, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(button, new ButtonWidget(button, dispatcher, parent), dispatcher) {}
};

// --- Text boxes

class TextBoxView : public ControlView {
 public:
  TextBoxView(ui::TextBox& box, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(box,
                    box.MultiLine() ? static_cast<QWidget*>(new QPlainTextEdit(parent))
                                    : static_cast<QWidget*>(new QLineEdit(parent)),
                    dispatcher),
        box_(box) {
    if (auto* line = qobject_cast<QLineEdit*>(Widget())) {
      QObject::connect(line, &QLineEdit::textEdited, line, [this](const QString& text) {
        Send([this, text] { box_.UserType(FromQString(text)); });
      });
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(Widget())) {
      QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit] {
        if (syncing_) return;
        QString text = edit->toPlainText();
        text.replace(u'\n', QStringLiteral("\r\n"));
        Send([this, text] { box_.UserType(FromQString(text)); });
      });
    }
  }

 protected:
  void SyncContent() override {
    QWidget* w = Widget();
    SetColors(w, box_);
    SetFont(w, box_.Font());
    QString text = ToQString(box_.Text());
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
      if (line->text() != text) {
        int cursor = line->cursorPosition();
        line->setText(text);
        line->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
      }
      line->setReadOnly(box_.Locked());
      line->setFrame(box_.BorderStyle() != 0);
      line->setAlignment(HorizontalAlignment(box_.Alignment()) | Qt::AlignVCenter);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
      QString shown = text;
      shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      if (edit->toPlainText() != shown) {
        syncing_ = true;
        edit->setPlainText(shown);
        syncing_ = false;
      }
      edit->setReadOnly(box_.Locked());
      edit->setFrameShape(box_.BorderStyle() != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
    }
  }

 private:
  ui::TextBox& box_;
  bool syncing_ = false;
};

// --- Combo boxes and the drive list

// A drop-down list to choose from; the drive list has only that, a combo box also its text field.
class DropDownView : public ControlView {
 public:
  DropDownView(ui::ListChoice& list, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(list, new QComboBox(parent), dispatcher), list_(list) {
    auto* combo = static_cast<QComboBox*>(Widget());
    combo->setMaxVisibleItems(12);
    QObject::connect(combo, &QComboBox::activated, combo, [this](int index) {
      Send([this, index] {
        if (index < list_.ListCount()) list_.UserSelect(index);
      });
    });
  }

 protected:
  // Whether the user types into a text field, and what it shows.
  virtual bool Editable() const { return false; }
  virtual QString FieldText() const { return {}; }
  // The user typed text into the field.
  virtual void Typed(const QString&) {}

  void SyncContent() override {
    auto* combo = static_cast<QComboBox*>(Widget());
    SetColors(combo, list_);
    SetFont(combo, list_.Font());
    QStringList entries;
    for (const ui::Text& e : list_.Entries()) entries << ToQString(e);
    int index = list_.ListIndex();
    QString text = FieldText();
    bool editable = Editable();
    QSignalBlocker block(combo);
    if (combo->isEditable() != editable) {
      combo->setEditable(editable);
      if (editable) ConnectTyping(combo);
    }
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != entries) {
      combo->clear();
      combo->addItems(entries);
    }
    if (combo->currentIndex() != index) combo->setCurrentIndex(index);
    if (editable && combo->currentText() != text) combo->setEditText(text);
  }

 private:
  void ConnectTyping(QComboBox* combo) {
    // Qt picks the entry that matches the typed text when the field loses focus or Enter is pressed;
    // the platform only types, and picking is the user's click in the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                     [this](const QString& text) { Typed(text); });
  }

  ui::ListChoice& list_;
};

class ComboBoxView : public DropDownView {
 public:
  ComboBoxView(ui::ComboBox& box, Dispatcher& dispatcher, QWidget* parent)
      : DropDownView(box, dispatcher, parent), box_(box) {}

 protected:
  // The drop-down list kind (style 2) takes no typing.
  bool Editable() const override { return box_.Style() != 2; }
  QString FieldText() const override { return ToQString(box_.Text()); }
  void Typed(const QString& text) override {
    Send([this, text] { box_.UserType(FromQString(text)); });
  }

 private:
  ui::ComboBox& box_;
};

// --- List boxes, the file list and the folder list

// Rows one em high (plus a pixel), with the text drawn in the platform's metrics.
class CompactRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(static_cast<int>(LineHeight(option.font)) + 1);
    return size;
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    if (selected) painter->fillRect(option.rect, pal.color(QPalette::Active, QPalette::Highlight));
    QRect r = option.rect.adjusted(2, 0, -1, 0);
    QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    int indent = index.data(Qt::UserRole + 1).toInt();
    r.setLeft(r.left() + indent);
    if (!icon.isNull()) {
      int side = std::min(16, r.height());
      icon.paint(painter, QRect(r.left(), r.top() + (r.height() - side) / 2, side, side));
      r.setLeft(r.left() + side + 3);
    }
    bool enabled = option.state & QStyle::State_Enabled;
    QColor color = selected ? pal.color(QPalette::Active, QPalette::HighlightedText)
                            : pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    TextLook look{option.font, color, Qt::AlignLeft | Qt::AlignVCenter, false, false};
    DrawText(*painter, r, index.data(Qt::DisplayRole).toString(), look);
    if ((option.state & QStyle::State_HasFocus) && option.widget != nullptr) {
      QStyleOptionFocusRect focus;
      focus.rect = option.rect;
      focus.palette = pal;
      option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
  }
};

// A list of rows to click, shared by list boxes, the file list and the folder list.
class RowsView : public ControlView {
 public:
  RowsView(ui::Control& control, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(control, new QListWidget(parent), dispatcher) {
    QListWidget* list = Rows();
    list->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    list->setItemDelegate(new CompactRowDelegate(list));
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }

 protected:
  struct Entry {
    QString text;
    QByteArray path;
    int depth = 0;
    bool open = false;
  };

  QListWidget* Rows() const { return static_cast<QListWidget*>(Widget()); }

  // Shows entries with row current chosen; folder rows are indented by depth and show a folder icon.
  // Whether the rows were new.
  bool ShowEntries(const std::vector<Entry>& entries, int current, bool folders) {
    QListWidget* list = Rows();
    syncing_ = true;
    bool same = list->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < list->count(); ++i)
      same = list->item(i)->text() == entries[static_cast<size_t>(i)].text &&
             list->item(i)->data(Qt::UserRole).toByteArray() == entries[static_cast<size_t>(i)].path;
    if (!same) {
      list->clear();
      for (const Entry& e : entries) {
        auto* item = new QListWidgetItem(e.text, list);
        item->setData(Qt::UserRole, e.path);
        if (folders) {
          item->setData(Qt::UserRole + 1, e.depth * 8);
          item->setIcon(
              list->style()->standardIcon(e.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
        }
      }
    }
    if (list->currentRow() != current) list->setCurrentRow(current);
    syncing_ = false;
    return !same;
  }

  // True while the rows are being set from the model, when the row changes are not the user's.
  bool syncing_ = false;
};

// List boxes and the file list: choosing a row chooses the entry.
class ListView : public RowsView {
 public:
  ListView(ui::ListChoice& list, Dispatcher& dispatcher, QWidget* parent)
      : RowsView(list, dispatcher, parent), list_(list) {
    QObject::connect(Rows(), &QListWidget::currentRowChanged, Rows(), [this](int row) {
      if (syncing_ || row < 0) return;
      Send([this, row] {
        if (row < list_.ListCount()) list_.UserSelect(row);
      });
    });
  }

 protected:
  void SyncContent() override {
    SetColors(Rows(), list_);
    SetFont(Rows(), list_.Font());
    std::vector<Entry> entries;
    for (const ui::Text& e : list_.Entries()) entries.push_back({ToQString(e), {}, 0, false});
    ShowEntries(entries, list_.ListIndex(), false);
  }

 private:
  ui::ListChoice& list_;
};

// The folder list shows the open folder's path from the root down, then its subfolders; a click on
// any of them picks that folder.
class FolderListView : public RowsView {
 public:
  FolderListView(ui::DirListBox& dir, Dispatcher& dispatcher, QWidget* parent)
      : RowsView(dir, dispatcher, parent), dir_(dir) {
    QObject::connect(Rows(), &QListWidget::itemClicked, Rows(), [this](QListWidgetItem* item) {
      // The folder as the file system names it, which its shown name need not tell.
      std::filesystem::path path(item->data(Qt::UserRole).toByteArray().toStdString());
      Send([this, path] {
        try {
          dir_.UserPick(path);
        } catch (const ui::PathError&) {
          // The folder went away since it was listed; the next refresh drops it.
        }
      });
    });
  }

 protected:
  void SyncContent() override {
    SetColors(Rows(), dir_);
    SetFont(Rows(), dir_.Font());
    std::vector<Entry> entries;
    int open_row = FolderEntries(entries);
    // A folder just opened shows its own row at the top, so that its subfolders are in view below it
    // rather than the folders above it.
    if (ShowEntries(entries, open_row, true))
      Rows()->scrollToItem(Rows()->item(open_row), QAbstractItemView::PositionAtTop);
  }

 private:
  // Returns the row of the open folder.
  int FolderEntries(std::vector<Entry>& entries) const {
    auto bytes = [](const std::filesystem::path& p) { return QByteArray::fromStdString(p.native()); };
    auto shown = [](const std::filesystem::path& p) { return ToQString(ui::DisplayPath(p.filename())); };
    entries.push_back({QStringLiteral("/"), QByteArrayLiteral("/"), 0, true});
    std::filesystem::path prefix("/");
    for (const std::filesystem::path& part : dir_.Path().relative_path()) {
      prefix /= part;
      entries.push_back({shown(prefix), bytes(prefix), static_cast<int>(entries.size()), true});
    }
    int open_row = static_cast<int>(entries.size()) - 1;
    int depth = static_cast<int>(entries.size());
    for (int i = 0; i < dir_.ListCount(); ++i)
      entries.push_back({shown(dir_.ListPath(i)), bytes(dir_.ListPath(i)), depth, false});
    return open_row;
  }

  ui::DirListBox& dir_;
};

// --- Frames

class FrameWidget : public QWidget {
 public:
  FrameWidget(ui::Frame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(frame_.BackColor()));
    if (frame_.BorderStyle() == 0) return;
    QFont font = MapFont(frame_.Font());
    int em = static_cast<int>(LineHeight(font));
    DrawEtchedRect(p, QRect(0, em / 2, width(), height() - em / 2));
    QString caption = StripAccessKeys(ToQString(frame_.Caption()));
    if (caption.isEmpty()) return;
    double text_width = QFontMetricsF(font).horizontalAdvance(caption);
    QRectF text_box(8, 0, std::min(text_width + 4, static_cast<double>(width() - 10)), em);
    p.fillRect(text_box, ToQColor(frame_.BackColor()));
    TextLook look{font, ToQColor(frame_.ForeColor()), Qt::AlignHCenter | Qt::AlignTop, false,
                  !frame_.Enabled()};
    DrawText(p, text_box, caption, look);
  }

 private:
  ui::Frame& frame_;
};

class FrameView : public ControlView {
 public:
  FrameView(ui::Frame& frame, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(frame, new FrameWidget(frame, parent), dispatcher) {}
};

// --- Shapes and lines

class ShapeWidget : public QWidget {
 public:
  ShapeWidget(ui::Shape& shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, shape_.ShapeKind() >= ui::kShapeOval);
    int pen_width = std::max(1, shape_.BorderWidth());
    QRectF box = rect();
    int kind = shape_.ShapeKind();
    if (kind == ui::kShapeSquare || kind == ui::kShapeCircle || kind == ui::kShapeRoundedSquare) {
      double side = std::min(box.width(), box.height());
      box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    double half = pen_width / 2.0;
    box = box.adjusted(half, half, -half, -half);
    QPainterPath path;
    if (kind == ui::kShapeOval || kind == ui::kShapeCircle) {
      path.addEllipse(box);
    } else if (kind == ui::kShapeRoundedRectangle || kind == ui::kShapeRoundedSquare) {
      double radius = std::min(box.width(), box.height()) / 6;
      path.addRoundedRect(box, radius, radius);
    } else {
      path.addRect(box);
    }
    if (shape_.BackStyle() == 1) p.fillPath(path, ToQColor(shape_.BackColor()));
    if (shape_.FillStyle() != ui::kFillTransparent)
      p.fillPath(path, QBrush(ToQColor(shape_.FillColor()), FillPattern()));
    if (shape_.BorderStyle() != 0) {
      QPen pen(ToQColor(shape_.BorderColor()), pen_width, BorderPen(shape_.BorderStyle()));
      pen.setJoinStyle(Qt::MiterJoin);
      p.strokePath(path, pen);
    }
  }

 private:
  Qt::BrushStyle FillPattern() const {
    switch (shape_.FillStyle()) {
      case 2:
        return Qt::HorPattern;
      case 3:
        return Qt::VerPattern;
      case 4:
        return Qt::BDiagPattern;
      case 5:
        return Qt::FDiagPattern;
      case 6:
        return Qt::CrossPattern;
      case 7:
        return Qt::DiagCrossPattern;
      default:
        return Qt::SolidPattern;
    }
  }

 public:
  // Border styles: 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid.
  static Qt::PenStyle BorderPen(int style) {
    switch (style) {
      case 2:
        return Qt::DashLine;
      case 3:
        return Qt::DotLine;
      case 4:
        return Qt::DashDotLine;
      case 5:
        return Qt::DashDotDotLine;
      default:
        return Qt::SolidLine;
    }
  }

 private:
  ui::Shape& shape_;
};

class ShapeView : public ControlView {
 public:
  ShapeView(ui::Shape& shape, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(shape, new ShapeWidget(shape, parent), dispatcher) {}
};

class LineWidget : public QWidget {
 public:
  LineWidget(ui::Line& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (line_.BorderStyle() == 0) return;
    QPainter p(this);
    QPen pen(ToQColor(line_.BorderColor()), line_.BorderWidth() <= 1 ? 0 : line_.BorderWidth(),
             ShapeWidget::BorderPen(line_.BorderStyle()));
    p.setPen(pen);
    QPointF origin = geometry().topLeft();
    p.drawLine(QPointF(line_.X1() / kTwipsPerPixel, line_.Y1() / kTwipsPerPixel) - origin,
               QPointF(line_.X2() / kTwipsPerPixel, line_.Y2() / kTwipsPerPixel) - origin);
  }

 private:
  ui::Line& line_;
};

class LineView : public ControlView {
 public:
  LineView(ui::Line& line, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(line, new LineWidget(line, parent), dispatcher), line_(line) {}

 protected:
  // The line's bounding box, widened by its pen on every side.
  QRect Geometry() const override {
    int pad = std::max(1, line_.BorderWidth());
    int x1 = TwipsToPixels(std::min(line_.X1(), line_.X2())),
        x2 = TwipsToPixels(std::max(line_.X1(), line_.X2()));
    int y1 = TwipsToPixels(std::min(line_.Y1(), line_.Y2())),
        y2 = TwipsToPixels(std::max(line_.Y1(), line_.Y2()));
    return QRect(QPoint(x1 - pad, y1 - pad), QPoint(x2 + pad, y2 + pad));
  }

 private:
  ui::Line& line_;
};

// --- Picture boxes

class PictureWidget : public QWidget {
 public:
  PictureWidget(ui::PictureBox& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(picture_.BackColor()));
    int inset = picture_.BorderStyle() == 1 ? kSunkenEdge : 0;
    if (inset > 0) DrawSunkenEdge(p, rect());
    QRect client = rect().adjusted(inset, inset, -inset, -inset);
    p.setClipRect(client);
    p.translate(client.topLeft());
    PaintPictureImage(p, picture_.BackgroundRaster(), picture_.BackgroundOps(), picture_.ScaleMode(),
                      picture_.Font());
    PaintDrawOps(p, picture_.Drawing().Ops(), picture_.ScaleMode(), picture_.Font());
  }

 private:
  ui::PictureBox& picture_;
};

class PictureView : public ControlView {
 public:
  PictureView(ui::PictureBox& picture, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(picture, new PictureWidget(picture, parent), dispatcher) {}
};

// --- Grid

class GridView : public ControlView {
 public:
  GridView(ui::FlexGrid& grid, Dispatcher& dispatcher, QWidget* parent)
      : ControlView(grid, new GridWidget(grid, dispatcher, parent), dispatcher) {}

 protected:
  void SyncContent() override { static_cast<GridWidget*>(Widget())->SyncFromModel(); }
};

}  // namespace

QRect ControlView::Geometry() const {
  return TwipsRect(control_.Left(), control_.Top(), control_.Width(), control_.Height());
}

bool ControlView::Lightweight() const {
  switch (control_.Kind()) {
    case ui::ControlKind::kLabel:
    case ui::ControlKind::kShape:
    case ui::ControlKind::kLine:
      return true;
    default:
      return false;
  }
}

void ControlView::Send(const std::function<void()>& action) {
  user_acted_ = true;
  dispatcher_.Dispatch(action);
}

void ControlView::Sync() {
  user_acted_ = false;
  QRect geometry = Geometry();
  if (widget_->geometry() != geometry) widget_->setGeometry(geometry);
  if (widget_->testAttribute(Qt::WA_Disabled) == control_.Enabled()) widget_->setEnabled(control_.Enabled());
  QString tip = ToQString(control_.ToolTipText());
  if (widget_->toolTip() != tip) widget_->setToolTip(tip);
  SyncContent();
  if (widget_->isHidden() == control_.Visible()) widget_->setVisible(control_.Visible());
  widget_->update();
}

std::optional<CaptionLayout> CaptionLayoutOf(const ui::Control& control, const QSize& size) {
  if (const auto* label = dynamic_cast<const ui::Label*>(&control)) return LabelCaptionLayout(*label, size);
  const auto* button = dynamic_cast<const ui::Button*>(&control);
  if (button == nullptr) return std::nullopt;
  QRect rect(QPoint(0, 0), size);
  return CaptionLayout{PushLike(*button) ? PushButtonTextBox(rect) : IndicatorTextBox(rect),
                       MapFont(button->Font()), true};
}

std::unique_ptr<ControlView> MakeControlView(ui::Control& control, QWidget* parent, Dispatcher& dispatcher) {
  // One view per kind; what the user can do with the control is then asked of its capabilities.
  switch (control.Kind()) {
    case ui::ControlKind::kLabel:
      return std::make_unique<LabelView>(static_cast<ui::Label&>(control), dispatcher, parent);
    case ui::ControlKind::kCommandButton:
    case ui::ControlKind::kCheckBox:
    case ui::ControlKind::kOptionButton:
      return std::make_unique<ButtonView>(static_cast<ui::Button&>(control), dispatcher, parent);
    case ui::ControlKind::kTextBox:
      return std::make_unique<TextBoxView>(static_cast<ui::TextBox&>(control), dispatcher, parent);
    case ui::ControlKind::kComboBox:
      return std::make_unique<ComboBoxView>(static_cast<ui::ComboBox&>(control), dispatcher, parent);
    case ui::ControlKind::kDriveListBox:
      return std::make_unique<DropDownView>(*control.AsListChoice(), dispatcher, parent);
    case ui::ControlKind::kListBox:
    case ui::ControlKind::kFileListBox:
      return std::make_unique<ListView>(*control.AsListChoice(), dispatcher, parent);
    case ui::ControlKind::kDirListBox:
      return std::make_unique<FolderListView>(static_cast<ui::DirListBox&>(control), dispatcher, parent);
    case ui::ControlKind::kFrame:
      return std::make_unique<FrameView>(static_cast<ui::Frame&>(control), dispatcher, parent);
    case ui::ControlKind::kShape:
      return std::make_unique<ShapeView>(static_cast<ui::Shape&>(control), dispatcher, parent);
    case ui::ControlKind::kLine:
      return std::make_unique<LineView>(static_cast<ui::Line&>(control), dispatcher, parent);
    case ui::ControlKind::kPictureBox:
      return std::make_unique<PictureView>(static_cast<ui::PictureBox&>(control), dispatcher, parent);
    case ui::ControlKind::kFlexGrid:
      return std::make_unique<GridView>(static_cast<ui::FlexGrid&>(control), dispatcher, parent);
    case ui::ControlKind::kTimer:
    case ui::ControlKind::kMenu:
      return nullptr;
  }
  return nullptr;
}

}  // namespace desktop
