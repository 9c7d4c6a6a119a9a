#pragma once

#include <QFrame>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace valorama {

class TFormSNGPC;

// "Identificação do Usuário": the suite user's name and password, checked against USUARIOS.
class LoginPanel : public QFrame
{
    Q_OBJECT

public:
    explicit LoginPanel(TFormSNGPC *form);

    QLineEdit *EditNome;
    QLineEdit *EditSenhaU;
    QPushButton *BotOkSenha;
    QPushButton *BotCancSenha;

    void CheckLogin();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void EditNomeExit();
    void BotCancSenhaClick();

    TFormSNGPC *m_form;
};

} // namespace valorama
