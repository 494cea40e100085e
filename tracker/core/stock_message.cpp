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

std::optional<StockMessage> stockMessage(int code)
{
    using Icon = StockMessage::Icon;
    switch (code) {
    case 1:
        return StockMessage { 1, Icon::Question, QStringLiteral("Abandonner"),
            QStringLiteral("Récuperer"), true,
            // Closing the window must not throw the interrupted day away.
            true,
            composeHtml(QStringLiteral("ATTENTION"),
                { QStringLiteral("J'ai détecté des données non sauvegardées dans le log.") },
                { QStringLiteral("Ces données proviennent d'une exécution précédente "
                                 "interrompue :"),
                    QStringLiteral("   - par accident (plantage système par exemple)"),
                    QStringLiteral("   - volontairement (bouton \"quitter sans "
                                   "sauvegarder\")") },
                { QStringLiteral("Dois-je démarrer Quillmere en intégrant ces données ou"),
                    QStringLiteral("faut-il les abandonner ?") }) };
    case 2:
        return StockMessage { 2, Icon::Warning, QString(), QStringLiteral("Continuer"), true, true,
            composeHtml(QStringLiteral("ATTENTION"),
                { QStringLiteral("J'ai détecté des données dans le log pour la date choisie.") },
                { QStringLiteral("Je reprends ces données dans l'historique de la journée,"),
                    QStringLiteral("mais elles ne seront pas éditables.") },
                {}) };
    case 3:
        return StockMessage { 3, Icon::Question, QStringLiteral("Ne pas quitter"),
            QStringLiteral("Quitter"), true, false,
            composeHtml(QStringLiteral("Quitter sans sauvegarder"),
                { QStringLiteral("Les données de la journée ne seront pas enregistrées dans le "
                                 "log.") },
                { QStringLiteral("Lors de sa prochaine exécution, Quillmere vous proposera de "
                                 "les récupérer.") },
                { QStringLiteral("Voulez-vous réellement quitter sans sauvegarder"),
                    QStringLiteral("ou retourner dans Quillmere ?") }) };
    case 4:
        return StockMessage { 4, Icon::Question, QStringLiteral("Ne pas clôturer"),
            QStringLiteral("Clôturer"), true, false,
            composeHtml(QStringLiteral("Cloturer la journée"),
                { QStringLiteral("Les données de cette journée seront définitivement"),
                    QStringLiteral("enregistrées dans le log.") },
                { QStringLiteral("Il ne sera plus possible de les éditer.") },
                { QStringLiteral("Voulez-vous réellement cloturer la journée"),
                    QStringLiteral("ou retourner dans Quillmere ?") }) };
    case 7:
        return StockMessage { 7, Icon::Warning, QString(), QStringLiteral("Fermer"), true, true,
            composeHtml(QStringLiteral("Pas de fichier log présent"),
                { QStringLiteral("Le module de statistiques ne peut être lancé.") },
                { QStringLiteral("Sans fichier log présent, le module de statistiques n'a pas la"),
                    QStringLiteral("matière première pour travailler.") },
                {}) };
    case 8:
        return StockMessage { 8, Icon::Question, QStringLiteral("Ne pas enregistrer"),
            QStringLiteral("Enregistrer"), false, false,
            composeHtml(QStringLiteral("ATTENTION"),
                { QStringLiteral("La dernière activité saisie entraîne un changement de "
                                 "journée.") },
                { QStringLiteral("Il est nécessaire de sauvegarder la journée terminée dans le "
                                 "log pour"),
                    QStringLiteral("continuer les saisies d'information sur la nouvelle journée."),
                    QStringLiteral("A défaut, vous ne pourrez plus continuer les saisies "
                                   "d'information.") },
                { QStringLiteral("Voulez-vous enregistrer le log maintenant ?") }) };
    default:
        return std::nullopt;
    }
}

} // namespace qm
