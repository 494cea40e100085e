#include "tracker/core/stock_message.h"

#include <QCoreApplication>
#include <QStringList>

namespace qm {

namespace {

// Blanks at the start of a line are part of the text (the indented list of message 1).
QString htmlLine(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    qsizetype blanks = 0;
    while (blanks < escaped.size() && escaped.at(blanks) == u' ')
        ++blanks;
    return QStringLiteral("&nbsp;").repeated(blanks) + escaped.mid(blanks);
}

QString htmlLines(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out.append(htmlLine(line));
    return out.join(QStringLiteral("<br>"));
}

QString composeHtml(const QString &title, const QStringList &bold, const QStringList &plain,
    const QStringList &question)
{
    QString html = QStringLiteral("<div style=\"font-family:Arial; font-size:10pt;\">")
        + QStringLiteral("<span style=\"color:#ff0000; font-weight:bold;\">") + htmlLine(title)
        + QStringLiteral("</span><br><br><b>") + htmlLines(bold) + QStringLiteral("</b>");
    if (!plain.isEmpty())
        html += QStringLiteral("<br>") + htmlLines(plain);
    if (!question.isEmpty()) {
        html += QStringLiteral("<br><span style=\"color:#008000; font-weight:bold;\">")
            + htmlLines(question) + QStringLiteral("</span>");
    }
    return html + QStringLiteral("</div>");
}

} // namespace

std::optional<StockMessage> stockMessage(StockMessage::Code code)
{
    using Icon = StockMessage::Icon;
    using Code = StockMessage::Code;
    switch (code) {
    case Code::Recovery:
        return StockMessage {
            .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Abandonner"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Récuperer"),
            .offersSuppression = true,
            // Closing the window must not throw the interrupted day away.
            .closeAnswer = true,
            .html = composeHtml(QCoreApplication::translate("qm::StockMessage", "ATTENTION"),
                { QCoreApplication::translate(
                    "qm::StockMessage", "J'ai détecté des données non sauvegardées dans le log.") },
                { QCoreApplication::translate("qm::StockMessage",
                      "Ces données proviennent d'une exécution précédente "
                      "interrompue :"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "   - par accident (plantage système par exemple)"),
                    QCoreApplication::translate("qm::StockMessage",
                        "   - volontairement (bouton \"quitter sans "
                        "sauvegarder\")") },
                { QCoreApplication::translate(
                      "qm::StockMessage", "Dois-je démarrer Quillmere en intégrant ces données ou"),
                    QCoreApplication::translate("qm::StockMessage", "faut-il les abandonner ?") })
        };
    case Code::JournalRowsShown:
        return StockMessage { .code = code,
            .icon = Icon::Warning,
            .leftCaption = QString(),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Continuer"),
            .offersSuppression = true,
            .closeAnswer = true,
            .html = composeHtml(QCoreApplication::translate("qm::StockMessage", "ATTENTION"),
                { QCoreApplication::translate("qm::StockMessage",
                    "J'ai détecté des données dans le log pour la date choisie.") },
                { QCoreApplication::translate("qm::StockMessage",
                      "Je reprends ces données dans l'historique de la journée,"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "mais elles ne seront pas éditables.") },
                {}) };
    case Code::QuitWithoutSaving:
        return StockMessage { .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Ne pas quitter"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Quitter"),
            .offersSuppression = true,
            .closeAnswer = false,
            .html = composeHtml(
                QCoreApplication::translate("qm::StockMessage", "Quitter sans sauvegarder"),
                { QCoreApplication::translate("qm::StockMessage",
                    "Les données de la journée ne seront pas enregistrées dans le "
                    "log.") },
                { QCoreApplication::translate("qm::StockMessage",
                    "Lors de sa prochaine exécution, Quillmere vous proposera de "
                    "les récupérer.") },
                { QCoreApplication::translate(
                      "qm::StockMessage", "Voulez-vous réellement quitter sans sauvegarder"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "ou retourner dans Quillmere ?") }) };
    case Code::CloseDay:
        return StockMessage { .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Ne pas clôturer"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Clôturer"),
            .offersSuppression = true,
            .closeAnswer = false,
            .html
            = composeHtml(QCoreApplication::translate("qm::StockMessage", "Cloturer la journée"),
                { QCoreApplication::translate(
                      "qm::StockMessage", "Les données de cette journée seront définitivement"),
                    QCoreApplication::translate("qm::StockMessage", "enregistrées dans le log.") },
                { QCoreApplication::translate(
                    "qm::StockMessage", "Il ne sera plus possible de les éditer.") },
                { QCoreApplication::translate(
                      "qm::StockMessage", "Voulez-vous réellement cloturer la journée"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "ou retourner dans Quillmere ?") }) };
    case Code::NoJournal:
        return StockMessage { .code = code,
            .icon = Icon::Warning,
            .leftCaption = QString(),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Fermer"),
            .offersSuppression = true,
            .closeAnswer = true,
            .html = composeHtml(
                QCoreApplication::translate("qm::StockMessage", "Pas de fichier log présent"),
                { QCoreApplication::translate(
                    "qm::StockMessage", "Le module de statistiques ne peut être lancé.") },
                { QCoreApplication::translate("qm::StockMessage",
                      "Sans fichier log présent, le module de statistiques n'a pas la"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "matière première pour travailler.") },
                {}) };
    case Code::NewDay:
        return StockMessage { .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Ne pas enregistrer"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Enregistrer"),
            .offersSuppression = false,
            .closeAnswer = false,
            .html = composeHtml(QCoreApplication::translate("qm::StockMessage", "ATTENTION"),
                { QCoreApplication::translate("qm::StockMessage",
                    "La dernière activité saisie entraîne un changement de "
                    "journée.") },
                { QCoreApplication::translate("qm::StockMessage",
                      "Il est nécessaire de sauvegarder la journée terminée dans le "
                      "log pour"),
                    QCoreApplication::translate("qm::StockMessage",
                        "continuer les saisies d'information sur la nouvelle journée."),
                    QCoreApplication::translate("qm::StockMessage",
                        "A défaut, vous ne pourrez plus continuer les saisies "
                        "d'information.") },
                { QCoreApplication::translate(
                    "qm::StockMessage", "Voulez-vous enregistrer le log maintenant ?") }) };
    }
    return std::nullopt;
}

} // namespace qm
