#include "auth/LoginPanel.h"

#include "app/TFormSNGPC.h"
#include "auth/AccessRight.h"
#include "auth/CredentialEncoding.h"
#include "auth/WorkspaceResolver.h"
#include "core/Cp1252.h"
#include "core/Formats.h"
#include "data/TDM.h"
#include "platform/ErrorReporting.h"
#include "platform/FocusChain.h"
#include "platform/Messages.h"
#include "platform/PanelTitle.h"
#include "reports/payments/ChartPanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>

namespace valorama {

namespace {

// The password box shows "#" for every typed character.
class HashPasswordStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return '#';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

LoginPanel::LoginPanel(TFormSNGPC *form) : QFrame(form->clientArea()), m_form(form)
{
    setObjectName(QStringLiteral("PainelLogin"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    makePanelTitle(this, QStringLiteral("Identificação do Usuário"), QRect(2, 2, 327, 20));
    auto *nome = new QLabel(QStringLiteral("Nome"), this);
    nome->setGeometry(14, 34, 44, 18);
    EditNome = new QLineEdit(this);
    EditNome->setObjectName(QStringLiteral("EditNome"));
    EditNome->setGeometry(62, 32, 252, 22);
    auto *senha = new QLabel(QStringLiteral("Senha"), this);
    senha->setGeometry(14, 63, 44, 18);
    EditSenhaU = new QLineEdit(this);
    EditSenhaU->setObjectName(QStringLiteral("EditSenhaU"));
    EditSenhaU->setGeometry(62, 61, 252, 22);
    EditSenhaU->setEchoMode(QLineEdit::Password);
    auto *style = new HashPasswordStyle;
    style->setParent(EditSenhaU);
    EditSenhaU->setStyle(style);
    BotOkSenha = new QPushButton(QStringLiteral("OK"), this);
    BotOkSenha->setObjectName(QStringLiteral("BotOkSenha"));
    BotOkSenha->setGeometry(150, 94, 78, 26);
    BotCancSenha = new QPushButton(QStringLiteral("Cancela"), this);
    BotCancSenha->setObjectName(QStringLiteral("BotCancSenha"));
    BotCancSenha->setGeometry(236, 94, 78, 26);
    setTabOrder(EditNome, EditSenhaU);
    setTabOrder(EditSenhaU, BotOkSenha);
    setTabOrder(BotOkSenha, BotCancSenha);
    EditNome->installEventFilter(this);
    EditSenhaU->installEventFilter(this);
    connect(BotOkSenha, &QPushButton::clicked, this, guarded([this] { CheckLogin(); }));
    connect(BotCancSenha, &QPushButton::clicked, this, guarded([this] { BotCancSenhaClick(); }));
    hide();
}

bool LoginPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && watched == EditNome) { // EditNomeKeyPress
            focusNextInTabOrder(EditNome);
            return true;
        }
        if (enter && watched == EditSenhaU) { // EditSenhaUKeyPress
            BotOkSenha->click();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && watched == EditNome) {
        EditNomeExit();
    }
    return QFrame::eventFilter(watched, event);
}

void LoginPanel::EditNomeExit()
{
    EditNome->setText(asciiUpper(EditNome->text()));
}

void LoginPanel::BotCancSenhaClick()
{
    m_form->close();
}

void LoginPanel::CheckLogin()
{
    const QString typedName = EditNome->text();
    if (typedName.isEmpty()) {
        Messages::show(QStringLiteral("Não foi informado o Nome do Usuário."));
        EditNome->setFocus();
        return;
    }
    // The suite's encoding is defined for up to 31 characters; no stored name or password is
    // longer than 15, so a longer text cannot belong to a user.
    if (encodeCp1252(typedName).size() > MaxCredentialLength) {
        Messages::show(QStringLiteral("O nome do usuário pode ter no máximo %1 caracteres.").arg(MaxCredentialLength));
        EditNome->setFocus();
        return;
    }
    if (encodeCp1252(EditSenhaU->text()).size() > MaxCredentialLength) {
        Messages::show(QStringLiteral("A senha pode ter no máximo %1 caracteres.").arg(MaxCredentialLength));
        EditSenhaU->setFocus();
        return;
    }
    TDM &dm = *DM;
    ClientDataSet &usuarios = dm.Usuarios;
    usuarios.open();
    const auto closeUsers = qScopeGuard([&usuarios] { usuarios.close(); });

    const QString loginName = asciiUpper(typedName).left(60);
    const QByteArray firstLetter = encodeCp1252(loginName.left(1));
    const QString encodedName = QString::fromLatin1(EncodeCredential(encodeCp1252(asciiUpper(typedName)))).left(60);
    int found = -1;
    const int userColumn = usuarios.fieldIndex(QStringLiteral("USUARIO"));
    for (int row = 0; row < usuarios.recordCount(); ++row) {
        const Value v = usuarios.value(row, userColumn);
        if (const auto *s = std::get_if<QString>(&v); s && *s == encodedName) {
            found = row;
            break;
        }
    }
    const QString notAuthorized = QStringLiteral("Usuário ") + typedName + QStringLiteral(" não autorizado");
    if (found < 0) {
        Messages::show(notAuthorized);
        EditNome->setFocus();
        return;
    }
    usuarios.moveTo(found);
    const QString storedPassword = usuarios.fieldByName(QStringLiteral("SENHA")).asString().left(20);
    const QString encodedPassword = QString::fromLatin1(EncodeCredential(encodeCp1252(asciiUpper(EditSenhaU->text()))));
    if (storedPassword != encodedPassword) {
        Messages::show(QStringLiteral("Senha incorreta. Tente novamente."));
        EditSenhaU->setFocus();
        return;
    }
    const QByteArray access = encodeCp1252(usuarios.fieldByName(QStringLiteral("ACESSO")).asString().left(50));
    usuarios.close();
    if (!hasProgramRight(access, firstLetter.isEmpty() ? '\0' : firstLetter[0])) {
        Messages::show(notAuthorized);
        EditNome->setFocus();
        return;
    }

    hide();
    EditNome->clear();
    EditSenhaU->clear();
    m_form->setCancelButton(m_form->Painel_Grafico1->BitBtn5);
    if (m_form->Painel_Grafico1->BitBtn5->isVisibleTo(m_form))
        m_form->Painel_Grafico1->BitBtn5->setFocus();
    m_form->values().CurrentUser = loginName;
    WorkspaceResolver resolver(dm, m_form->values(),
                               [this](const QString &caption) { m_form->setWindowTitle(caption); });
    if (!resolver.ResolveWorkspace().isEmpty()) {
        m_form->Arquivos1->setEnabled(true);
    } else {
        Messages::show(QStringLiteral("Não foi identificada uma área de trabalho para o usuáro ")
                       + m_form->values().CurrentUser);
        m_form->close();
    }
}

} // namespace valorama
