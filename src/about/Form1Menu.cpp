// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu commands.
#include "about/frmAbout.h"
#include "game/Form1.h"
#include "platform/Platform.h"

#include <QApplication>

// The About box has no owner window, so the table deletes it itself.
Form1::~Form1()
{
    delete m_about;
}

void Form1::quit_Click()
{
    close();
    // Unlike the title bar's close button, Quit takes an open About box with
    // it instead of leaving it to keep the program running.
    if (m_about)
        m_about->close();
    QApplication::quit();
}

void Form1::help_Click()
{
    // The text keeps its misspellings; a speech engine reads it spelt right,
    // where it would stumble over them.
    m_platform.showMessage(
        tr("Merovant is a very easy card game. The purpose is to use four arithmatic symbols to "
           "get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You "
           "may click Anwser button to see the result."),
        //: The Help text as a screen reader reads it: the Help text with its spelling put
        //: right. Translate it as you translated the Help text.
        tr("Merovant is a very easy card game. The purpose is to use four arithmetic symbols to "
           "get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You "
           "may click Answer button to see the result."));
}

void Form1::about_Click()
{
    // One box for the whole run, made on first use. It has no owner, so it
    // neither stays above the table nor closes with it.
    if (!m_about)
        m_about = new frmAbout(m_platform);
    m_about->Show();
}
