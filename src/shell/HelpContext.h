#pragma once

#include <QString>

class QWidget;

// The guide's page (HelpTopics key) that explains window: by its class, the rental window's
// mode, the settings window's page; reports by their common base.
QString helpTopicOf(const QWidget *window);
