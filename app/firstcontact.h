#pragma once

#include "terminal/csslclient.h"

// The questions of a first contact with a terminal, which the terminal link
// asks through its providers: the password, and the trust in a certificate
// that changed. Both dialogs are shown without an event loop of their own.
namespace FirstContact
{

void vAskPassword(const cSSLClient::PasswordRequest& _request, const cSSLClient::PasswordAnswer& _fnAnswer);
void vAskCertificateTrust(const cSSLClient::CertificateQuestion& _question,
                          const cSSLClient::CertificateAnswer& _fnAnswer);

} // namespace FirstContact
