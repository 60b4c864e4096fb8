#pragma once

#include <QObject>

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void realBoxCarriesTitleAndButtons_data();
    void realBoxCarriesTitleAndButtons();
    void hookRecordsAndAnswers();
    void recorderRestoresPreviousHook();
};

class DialogUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void unitsFollowTheFontMetrics();
    void touchingRectanglesStayTouching();
};

class KeyboardPolicyTest : public QObject {
    Q_OBJECT
private slots:
    void ruleCoversItsWindowOnly();
};
