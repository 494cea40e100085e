#include "tracker/core/stock_message.h"

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
        return StockMessage { .code = int(code),
            .icon = Icon::Question,
            .leftCaption = QStringLiteral("Abandonner"),
            .rightCaption = QStringLiteral("Récuperer"),
            .offersSuppression = true,
            // Closing the window must not throw the interrupted day away.
            .closeAnswer = true,
            .html = composeHtml(QStringLiteral("ATTENTION"),
                { QStringLiteral("J'ai détecté des données non sauvegardées dans le log.") },
                { QStringLiteral("Ces données proviennent d'une exécution précédente "
                                 "interrompue :"),
                    QStringLiteral("   - par accident (plantage système par exemple)"),
                    QStringLiteral("   - volontairement (bouton \"quitter sans "
                                   "sauvegarder\")") },
                { QStringLiteral("Dois-je démarrer Quillmere en intégrant ces données ou"),
                    QStringLiteral("faut-il les abandonner ?") }) };
    case Code::JournalRowsShown:
        return StockMessage { .code = int(code),
            .icon = Icon::Warning,
            .leftCaption = QString(),
            .rightCaption = QStringLiteral("Continuer"),
            .offersSuppression = true,
            .closeAnswer = true,
            .html = composeHtml(QStringLiteral("ATTENTION"),
                { QStringLiteral("J'ai détecté des données dans le log pour la date choisie.") },
                { QStringLiteral("Je reprends ces données dans l'historique de la journée,"),
                    QStringLiteral("mais elles ne seront pas éditables.") },
                {}) };
    case Code::QuitWithoutSaving:
        return StockMessage { .code = int(code),
            .icon = Icon::Question,
            .leftCaption = QStringLiteral("Ne pas quitter"),
            .rightCaption = QStringLiteral("Quitter"),
            .offersSuppression = true,
            .closeAnswer = false,
            .html = composeHtml(QStringLiteral("Quitter sans sauvegarder"),
                { QStringLiteral("Les données de la journée ne seront pas enregistrées dans le "
                                 "log.") },
                { QStringLiteral("Lors de sa prochaine exécution, Quillmere vous proposera de "
                                 "les récupérer.") },
                { QStringLiteral("Voulez-vous réellement quitter sans sauvegarder"),
                    QStringLiteral("ou retourner dans Quillmere ?") }) };
    case Code::CloseDay:
        return StockMessage { .code = int(code),
            .icon = Icon::Question,
            .leftCaption = QStringLiteral("Ne pas clôturer"),
            .rightCaption = QStringLiteral("Clôturer"),
            .offersSuppression = true,
            .closeAnswer = false,
            .html = composeHtml(QStringLiteral("Cloturer la journée"),
                { QStringLiteral("Les données de cette journée seront définitivement"),
                    QStringLiteral("enregistrées dans le log.") },
                { QStringLiteral("Il ne sera plus possible de les éditer.") },
                { QStringLiteral("Voulez-vous réellement cloturer la journée"),
                    QStringLiteral("ou retourner dans Quillmere ?") }) };
    case Code::NoJournal:
        return StockMessage { .code = int(code),
            .icon = Icon::Warning,
            .leftCaption = QString(),
            .rightCaption = QStringLiteral("Fermer"),
            .offersSuppression = true,
            .closeAnswer = true,
            .html = composeHtml(QStringLiteral("Pas de fichier log présent"),
                { QStringLiteral("Le module de statistiques ne peut être lancé.") },
                { QStringLiteral("Sans fichier log présent, le module de statistiques n'a pas la"),
                    QStringLiteral("matière première pour travailler.") },
                {}) };
    case Code::NewDay:
        return StockMessage { .code = int(code),
            .icon = Icon::Question,
            .leftCaption = QStringLiteral("Ne pas enregistrer"),
            .rightCaption = QStringLiteral("Enregistrer"),
            .offersSuppression = false,
            .closeAnswer = false,
            .html = composeHtml(QStringLiteral("ATTENTION"),
                { QStringLiteral("La dernière activité saisie entraîne un changement de "
                                 "journée.") },
                { QStringLiteral("Il est nécessaire de sauvegarder la journée terminée dans le "
                                 "log pour"),
                    QStringLiteral("continuer les saisies d'information sur la nouvelle journée."),
                    QStringLiteral("A défaut, vous ne pourrez plus continuer les saisies "
                                   "d'information.") },
                { QStringLiteral("Voulez-vous enregistrer le log maintenant ?") }) };
    }
    return std::nullopt;
}

} // namespace qm
