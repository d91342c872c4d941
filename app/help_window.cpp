// app/help_window.cpp: a browser over the bundled manual (Markdown pages).
#include "help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace facetry {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Facetry help"));
  resize(760, 640);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  auto* back = new QPushButton(QStringLiteral("&Back"), this);
  auto* close_button = new QPushButton(QStringLiteral("C&lose"), this);
  bar->addWidget(contents);
  bar->addWidget(back);
  bar->addStretch();
  bar->addWidget(close_button);
  layout->addLayout(bar);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("manual"));
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_);
  connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
}

void HelpWindow::showContents() {
  browser_->setSource(QUrl(QString::fromLatin1(kContents)), QTextDocument::MarkdownResource);
  show();
  raise();
  activateWindow();
}

}  // namespace facetry
