#include "tessera/qt/trans_dialog_window.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>
#include <initializer_list>

namespace tessera::qt {
namespace {

constexpr double kTwipsPerInch = 1440;
// The height of the tab control's strip of page captions; the pages' controls start below it.
constexpr int32_t kTabStripTwips = 300;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

bool EndsDialog(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// A position in `text` counted in characters, as the model counts, from one in UTF-16 units.
int32_t Characters(const QString& text, int utf16) {
  return static_cast<int32_t>(text.left(utf16).toUcs4().size());
}

int Utf16(const QString& text, int32_t characters) {
  int utf16 = 0;
  for (int32_t i = 0; i < characters && utf16 < text.size(); ++i)
    utf16 += text.at(utf16).isHighSurrogate() ? 2 : 1;
  return utf16;
}

// Characters that type: printable ones and the backspace, without Ctrl or Meta.
bool Types(const QKeyEvent& event) {
  if (event.text().isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0)
    return false;
  return std::ranges::all_of(event.text(),
                             [](QChar c) { return c.isPrint() || c == QChar(platform::kKeyBack); });
}

// A text field whose edits go to the model and never into the widget directly: each typed
// character through the model's key filter at the caret or over the selection, and the Delete
// key as the model's deletion; the window then mirrors the outcome. Caret movement and selecting
// (Home, End, Shift with the arrows, Ctrl+A, the mouse) stay with the widget; the model learns
// the selection with the next edit.
class ModelLineEdit : public QLineEdit {
 public:
  ModelLineEdit(platform::TextField& field, std::function<void()> edited, QWidget* parent)
      : QLineEdit(parent), field_(field), edited_(std::move(edited)) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (EndsDialog(event->key())) {
      event->ignore();  // the window's Enter and Esc
      return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
      TellSelection();
      field_.PressDelete();
    } else if (Types(*event)) {
      for (const char32_t code : event->text().toUcs4()) {
        TellSelection();
        field_.TypeKey(static_cast<int32_t>(code));
      }
    } else {
      QLineEdit::keyPressEvent(event);
      return;
    }
    edited_();
  }

 private:
  void TellSelection() {
    const QString shown = text();
    const bool selecting = hasSelectedText();
    const int start = selecting ? selectionStart() : cursorPosition();
    field_.SelStart(Characters(shown, start));
    if (selecting) field_.SelLength(Characters(shown, selectionEnd()) - Characters(shown, start));
  }

  platform::TextField& field_;
  std::function<void()> edited_;
};

// frmTrans's pages: which controls lie on which page of SSTab1.
int PageOf(const frmTrans& dialog, const platform::Control& control) {
  for (const platform::Control* on_scale :
       std::initializer_list<const platform::Control*>{&dialog.Label0, &dialog.Label1, &dialog.Label2,
                                                       &dialog.edFaktor, &dialog.edLaenge, &dialog.pbScale}) {
    if (on_scale == &control) return 0;
  }
  for (const platform::Control* on_shift : std::initializer_list<const platform::Control*>{
           &dialog.txMoveX, &dialog.txMoveY, &dialog.edDx, &dialog.edDy, &dialog.Label4, &dialog.Label6,
           &dialog.pbShift, &dialog.cbMoveMode}) {
    if (on_shift == &control) return 1;
  }
  return -1;
}

}  // namespace

TransDialogWindow::TransDialogWindow(std::shared_ptr<frmTrans> dialog)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialog_(std::move(dialog)),
      twips_per_pixel_(kTwipsPerInch / screen()->logicalDotsPerInchX()) {
  const platform::TwipsRect& client = dialog_->form.Position();
  setFixedSize(Px(client.width), Px(client.height));
  BindTabs(dialog_->SSTab1);
  for (platform::Control* control : dialog_->form.Controls()) Bind(*control);
  Refresh();
}

int TransDialogWindow::Px(int32_t twips) const {
  return qRound(twips / twips_per_pixel_);
}

QRect TransDialogWindow::PxRect(const platform::TwipsRect& rect) const {
  return {Px(rect.left), Px(rect.top), Px(rect.width), Px(rect.height)};
}

QWidget* TransDialogWindow::widget(const platform::Control& control) const {
  const auto found = std::find_if(bindings_.begin(), bindings_.end(),
                                  [&](const Binding& binding) { return binding.control == &control; });
  return found == bindings_.end() ? nullptr : found->widget;
}

// A page's controls are placed relative to the tab control, as the model gives them.
QWidget* TransDialogWindow::PageParent(const platform::Control& control) {
  const int page = PageOf(*dialog_, control);
  return page < 0 ? this : pages_[static_cast<std::size_t>(page)];
}

// Widgets are made in the model's order of controls, which is the keyboard's tab order.
void TransDialogWindow::Bind(platform::Control& control) {
  if (dynamic_cast<platform::TabControl*>(&control) != nullptr) return;  // bound first: it holds the pages
  if (auto* box = dynamic_cast<platform::CheckBox*>(&control)) return BindCheckBox(*box);
  if (auto* button = dynamic_cast<platform::Button*>(&control)) return BindButton(*button);
  if (auto* field = dynamic_cast<platform::TextField*>(&control)) return BindField(*field);
  if (auto* label = dynamic_cast<platform::Label*>(&control)) BindLabel(*label);
}

// A strip of page captions over a panel, and one transparent container per page covering the
// whole tab control, so that the model's positions relative to the tab control hold as they are.
void TransDialogWindow::BindTabs(platform::TabControl& tabs) {
  const QRect area = PxRect(tabs.Position());
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  const int strip = Px(kTabStripTwips);
  panel->setGeometry(area.adjusted(0, strip - 1, 0, 0));
  for (int page = 0; page < 2; ++page) {
    auto* container = new QWidget(this);
    container->setGeometry(area);
    pages_.push_back(container);
  }
  auto* bar = new QTabBar(this);
  bar->addTab(Text(tabs.TabCaption(0)));
  bar->addTab(Text(tabs.TabCaption(1)));
  bar->setGeometry(area.left(), area.top(), area.width(), strip);
  bar->setDrawBase(false);
  bar->raise();
  connect(bar, &QTabBar::currentChanged, this,
          [this, &tabs](int page) { Forward([&tabs, page] { tabs.ClickTab(static_cast<int16_t>(page)); }); });
  bindings_.push_back({&tabs, bar, [this, &tabs, bar] {
                         const QSignalBlocker quiet(bar);
                         bar->setTabText(0, Text(tabs.TabCaption(0)));
                         bar->setTabText(1, Text(tabs.TabCaption(1)));
                         bar->setCurrentIndex(tabs.Tab());
                         bar->setEnabled(tabs.Enabled());
                         for (std::size_t page = 0; page < pages_.size(); ++page)
                           pages_[page]->setVisible(static_cast<int16_t>(page) == tabs.Tab());
                       }});
}

void TransDialogWindow::BindField(platform::TextField& field) {
  auto* edit = new ModelLineEdit(
      field, [this] { Refresh(); }, PageParent(field));
  edit->setGeometry(PxRect(field.Position()));
  // Whatever reaches the widget past the key filter (an input method, a paste, a cut) is undone.
  connect(edit, &QLineEdit::textEdited, this, [edit, &field] { edit->setText(Text(field.Text())); });
  bindings_.push_back({&field, edit, [edit, &field] {
                         edit->setEnabled(field.Enabled());
                         const QString text = Text(field.Text());
                         if (edit->text() == text) return;  // a refused key leaves the selection
                         edit->setText(text);
                         edit->setCursorPosition(Utf16(text, field.SelStart()));
                       }});
}

void TransDialogWindow::BindButton(platform::Button& button) {
  auto* push = new QPushButton(PageParent(button));
  push->setGeometry(PxRect(button.Position()));
  push->setAutoDefault(true);  // Enter presses the focused button, else the window's default
  push->setDefault(button.Default);
  connect(push, &QPushButton::clicked, this, [this, &button] { Forward([&button] { button.Click(); }); });
  bindings_.push_back({&button, push, [push, &button] {
                         push->setText(Text(button.Caption()));
                         push->setEnabled(button.Enabled());
                       }});
}

void TransDialogWindow::BindCheckBox(platform::CheckBox& box) {
  auto* check = new QCheckBox(PageParent(box));
  check->setGeometry(PxRect(box.Position()));
  connect(check, &QCheckBox::clicked, this, [this, &box] { Forward([&box] { box.Click(); }); });
  bindings_.push_back({&box, check, [check, &box] {
                         const QSignalBlocker quiet(check);
                         check->setText(Text(box.Caption()));
                         check->setChecked(box.Value() == 1);
                         check->setEnabled(box.Enabled());
                       }});
}

// A caption wider than its place at this screen's font ("Nach X:") grows to the left, towards
// the page's edge and away from the field it names.
void TransDialogWindow::BindLabel(const platform::Label& label) {
  auto* text = new QLabel(PageParent(label));
  const QRect place = PxRect(label.Position());
  bindings_.push_back({&label, text, [text, &label, place] {
                         text->setText(Text(label.Caption()));
                         text->setEnabled(label.Enabled());
                         const int width = std::max(place.width(), text->sizeHint().width());
                         text->setGeometry(place.right() + 1 - width, place.top(), width, place.height());
                       }});
}

// Input reaches the model only while it is loaded: a click queued behind the one that ended the
// dialog finds it unloaded.
void TransDialogWindow::Forward(const std::function<void()>& input) {
  if (dialog_->form.Loaded()) input();
  Refresh();
}

void TransDialogWindow::Refresh() {
  if (!dialog_->form.Loaded()) {
    hide();
    return;
  }
  for (const Binding& binding : bindings_) binding.mirror();
  MirrorWindow();
}

// Topmost and the place come from the model's window placement; Qt hides a window whose flags
// change, so a shown window is shown again. The window moves only when the model's place has
// changed since it last moved it: a window the user moved stays where the user put it.
void TransDialogWindow::MirrorWindow() {
  const platform::Form& form = dialog_->form;
  setWindowTitle(Text(form.Caption()));
  if (form.Topmost() && !windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (shown) show();
  }
  const QPoint place(Px(form.Position().left), Px(form.Position().top));
  if (place == placed_) return;
  placed_ = place;
  move(place);
}

bool TransDialogWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Forward([this] { dialog_->form.Activate(); });
  return QWidget::event(event);
}

void TransDialogWindow::keyPressEvent(QKeyEvent* event) {
  if (!EndsDialog(event->key())) {
    QWidget::keyPressEvent(event);
    return;
  }
  const auto key = event->key() == Qt::Key_Escape ? platform::FormKey::kEscape : platform::FormKey::kEnter;
  Forward([this, key] { dialog_->form.PressKey(key); });
}

// The close box unloads the model, which never refuses; the window only hides, as its owner
// deletes it (see the header).
void TransDialogWindow::closeEvent(QCloseEvent* event) {
  dialog_->form.Unload();
  event->accept();
}

}  // namespace tessera::qt
