// The menu commands.
#include "game/Form1.h"
#include "platform/Platform.h"

#include <QApplication>

void Form1::quit_Click()
{
    close();
    QApplication::quit();
}

void Form1::help_Click()
{
    m_platform.showMessage(
        tr("Merovant is a very easy card game. The purpose is to use four arithmatic symbols to "
           "get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You "
           "may click Anwser button to see the result."));
}

void Form1::about_Click()
{
    // The About box arrives with frmAbout.
}
