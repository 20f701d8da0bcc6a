<script type="text/javascript">
// Loads a new captcha picture and empties the answer. The time stamp makes
// the browser ask the formmailer again instead of showing its cached picture.
function QZCaptchaRefresh() {
  var picture = document.getElementById("qzcaptcha");
  if (picture) picture.src = "{#CAPTCHALINK#}" + "&t=" + new Date().getTime();
  var answer = document.getElementById("captcha");
  if (answer) answer.value = "";
  return false;
}
</script>
