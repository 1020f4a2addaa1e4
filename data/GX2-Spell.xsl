<?xml version="1.0" encoding="UTF-8"?>
<!--
  GX2-Spell.xsl: turns a Cantrix3 spell document into an HTML spell card.
  Spell documents name this stylesheet; keep a copy beside them, then either open the
  document in a browser that applies XSLT or run:  xsltproc GX2-Spell.xsl spell.xml > spell.html
  XSLT 1.0 only, so every processor that still runs stylesheets can use it.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="yes" doctype-system="about:legacy-compat"/>

  <!-- Only the first thirteen modifier rows count toward the drain code. -->
  <xsl:variable name="countedModifiers" select="13"/>

  <xsl:variable name="spellName">
    <xsl:choose>
      <xsl:when test="normalize-space(/common/itemdef/@name) != ''">
        <xsl:value-of select="/common/itemdef/@name"/>
      </xsl:when>
      <xsl:otherwise>Untitled spell</xsl:otherwise>
    </xsl:choose>
  </xsl:variable>

  <xsl:template match="/">
    <html lang="en">
      <head>
        <title><xsl:value-of select="$spellName"/></title>
        <style>
          body { margin: 0; padding: 2em 1em; background: #e9efee; font: 15px/1.5 "DejaVu Sans", Tahoma, Verdana, sans-serif; color: #1d2626; }
          .card { max-width: 40em; margin: 0 auto; background: #fffef3; border: 3px solid #17494a; border-radius: 12px; box-shadow: 0 4px 18px rgba(0,0,0,.15); overflow: hidden; }
          .card header { background: linear-gradient(#21676a, #17494a); color: #fff; padding: 1em 1.4em .9em; border-bottom: 4px solid #e0b12f; }
          .card h1 { margin: 0; font: bold 1.8em/1.2 Georgia, "DejaVu Serif", serif; letter-spacing: .02em; word-wrap: break-word; }
          .byline { margin: .35em 0 0; color: #ffe9a6; font-size: .9em; }
          .byline a { color: #ffe9a6; }
          .content { padding: 1em 1.4em 1.4em; }
          h2 { margin: 1.2em 0 .4em; color: #17494a; font-size: 1.05em; text-transform: uppercase; letter-spacing: .08em; border-bottom: 1px solid #e0b12f; }
          table { border-collapse: collapse; width: 100%; }
          th, td { padding: .35em .6em; text-align: left; vertical-align: top; border-bottom: 1px solid #d9e3e2; }
          th { width: 8em; color: #17494a; font-weight: bold; }
          .stats td.value { font-weight: bold; }
          .tokens { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: .9em; color: #6b5410; white-space: nowrap; }
          .drain { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 1.15em; background: #ffffcc; border: 1px solid #d8d39a; padding: 0 .4em; }
          .description { white-space: pre-line; margin: 0; }
          .mods th { width: auto; background: #17494a; color: #fff; font-weight: normal; }
          .mods tr.uncounted td { color: #8a9696; font-style: italic; }
          .empty { color: #6b7b7b; font-style: italic; margin: 0; }
          .card footer { padding: .5em 1.4em; font-size: .8em; color: #6b7b7b; border-top: 1px solid #d9e3e2; background: #f6faf9; }
          @media print { body { background: #fff; padding: 0; } .card { box-shadow: none; } .card header { -webkit-print-color-adjust: exact; print-color-adjust: exact; } }
        </style>
      </head>
      <body>
        <article class="card">
          <header>
            <h1><xsl:value-of select="$spellName"/></h1>
            <xsl:apply-templates select="/common/author" mode="byline"/>
          </header>
          <div class="content">
            <xsl:apply-templates select="/common/spell/general"/>
            <xsl:apply-templates select="/common/spell/modifiers"/>
          </div>
          <footer>
            <xsl:apply-templates select="/common/date"/>
          </footer>
        </article>
      </body>
    </html>
  </xsl:template>

  <!-- "by NAME" with the e-mail address and home page when they are given. -->
  <xsl:template match="author" mode="byline">
    <xsl:if test="normalize-space(@name) != '' or normalize-space(@email) != '' or normalize-space(@url) != ''">
      <p class="byline">
        <xsl:text>by </xsl:text>
        <xsl:choose>
          <xsl:when test="normalize-space(@name) != ''"><xsl:value-of select="@name"/></xsl:when>
          <xsl:otherwise>an unnamed author</xsl:otherwise>
        </xsl:choose>
        <xsl:if test="normalize-space(@email) != ''">
          <xsl:text> &#183; </xsl:text>
          <a href="mailto:{normalize-space(@email)}"><xsl:value-of select="@email"/></a>
        </xsl:if>
        <xsl:if test="normalize-space(@url) != ''">
          <xsl:text> &#183; </xsl:text>
          <xsl:choose>
            <!-- Only web addresses become links: a document from elsewhere must not place a
                 script or file link on the card. -->
            <xsl:when test="starts-with(normalize-space(@url), 'http://') or starts-with(normalize-space(@url), 'https://')">
              <a href="{normalize-space(@url)}"><xsl:value-of select="@url"/></a>
            </xsl:when>
            <xsl:otherwise><xsl:value-of select="@url"/></xsl:otherwise>
          </xsl:choose>
        </xsl:if>
      </p>
    </xsl:if>
  </xsl:template>

  <xsl:template match="general">
    <table class="stats">
      <tr>
        <th scope="row">Category</th>
        <td class="value"><xsl:value-of select="category/@value"/></td>
        <td class="tokens"><xsl:value-of select="category/@modifier"/></td>
      </tr>
      <tr>
        <th scope="row">Type</th>
        <td class="value"><xsl:value-of select="type/@value"/></td>
        <td class="tokens"><xsl:value-of select="type/@modifier"/></td>
      </tr>
      <tr>
        <th scope="row">Force</th>
        <td class="value" colspan="2"><xsl:value-of select="force/@value"/></td>
      </tr>
      <tr>
        <th scope="row">Drain</th>
        <td class="value" colspan="2"><span class="drain"><xsl:value-of select="drain/@value"/></span></td>
      </tr>
    </table>
    <h2>Description</h2>
    <xsl:choose>
      <xsl:when test="normalize-space(description/@value) != ''">
        <p class="description"><xsl:value-of select="description/@value"/></p>
      </xsl:when>
      <xsl:otherwise><p class="empty">No description.</p></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="modifiers">
    <h2>Modifiers</h2>
    <xsl:choose>
      <xsl:when test="mod">
        <table class="mods">
          <tr><th scope="col">Modifier</th><th scope="col">Tokens</th></tr>
          <xsl:apply-templates select="mod"/>
        </table>
        <xsl:if test="count(mod) &gt; $countedModifiers">
          <p class="empty">Modifiers after the thirteenth take no part in the drain code.</p>
        </xsl:if>
      </xsl:when>
      <xsl:otherwise><p class="empty">No modifiers.</p></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="mod">
    <tr>
      <xsl:if test="position() &gt; $countedModifiers">
        <xsl:attribute name="class">uncounted</xsl:attribute>
      </xsl:if>
      <td><xsl:value-of select="@value"/></td>
      <td class="tokens"><xsl:value-of select="@modifier"/></td>
    </tr>
  </xsl:template>

  <xsl:template match="date">
    <xsl:if test="normalize-space(@creation) != ''">
      <xsl:text>Created </xsl:text><xsl:value-of select="@creation"/>
    </xsl:if>
    <xsl:if test="normalize-space(@creation) != '' and normalize-space(@lastmod) != ''">
      <xsl:text> &#183; </xsl:text>
    </xsl:if>
    <xsl:if test="normalize-space(@lastmod) != ''">
      <xsl:text>last changed </xsl:text><xsl:value-of select="@lastmod"/>
    </xsl:if>
    <xsl:text> &#183; Cantrix 3rd ed.</xsl:text>
  </xsl:template>
</xsl:stylesheet>
