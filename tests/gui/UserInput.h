// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

// What a user does with the mouse and the keyboard, delivered through the application as the
// window system delivers it.
struct UserInput {
  // A mouse move with no button pressed, delivered as the window system would.
  static void moveOver(QWidget& target) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), target.mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
  }
  static void release(QWidget& target, Qt::MouseButton button) {
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(3, 3), target.mapToGlobal(QPointF(3, 3)),
                   button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &up);
  }

  // Key events go to the focused control of the window, or to an open list, which holds the
  // keyboard while it is up; through the application, with the text the keyboard gives them.
  static QWidget& focusOf(QWidget& window) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      return popup->focusWidget() ? *popup->focusWidget() : *popup;
    }
    return window.focusWidget() ? *window.focusWidget() : window;
  }
  static void press(QWidget& window, Qt::Key key, const QString& text,
                    Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Press, &focusOf(window), key, text, modifiers);
  }
  static void releaseKey(QWidget& window, Qt::Key key, const QString& text,
                         Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Release, &focusOf(window), key, text, modifiers);
  }
  // A letter typed with modifiers held.
  static void chord(QWidget& window, Qt::KeyboardModifiers modifiers, Qt::Key letter,
                    const QString& text);
};
